// The walk on a made-up file system, so that bind mounts, which need root to make, can
// put a folder inside itself: the walk must end and leave such a folder out.
#include <gtest/gtest.h>

#include <QMap>

#include "catalogue/FolderWalk.h"
#include "support/Fakes.h"

// Folders by path: identity and subfolders; `mounts` show one folder at a second path. Others cannot be read.
struct FakeFolders {
  QMap<QString, std::pair<quint64, QStringList>> folders;
  QMap<QString, QString> mounts;
  std::optional<platform::FolderContents> operator()(QString path) const {
    if (path.size() > 200) return std::nullopt;  // a walk that never ends still stops here
    for (auto it = mounts.begin(); it != mounts.end(); ++it)
      if (path == it.key() || path.startsWith(it.key() + u'/')) return (*this)(it.value() + path.mid(it.key().size()));
    const auto it = folders.find(path);
    if (it == folders.end()) return std::nullopt;
    return platform::FolderContents{{}, it->second, {1, it->first}};
  }
};

// "/t/gone" cannot be read: it is noted, and the walk goes on.
TEST(FolderWalk, FolderThatHoldsItsOwnAncestorIsLeftOutAndUnreadableOnesAreNoted) {
  const std::pair<QMap<QString, QString>, QStringList> cases[] = {
      {{}, {"/t/a", "/t/a/in", "/t/m", "/t/z"}},
      {{{"/t/m", "/t"}}, {"/t/a", "/t/a/in", "/t/z"}},    // the top inside itself
      {{{"/t/a/in", "/t/a"}}, {"/t/a", "/t/m", "/t/z"}},  // a parent inside its child
      {{{"/t/a/in", "/t"}}, {"/t/a", "/t/m", "/t/z"}},    // the top inside a grandchild
      // The same folder beside itself is no loop: both places are walked.
      {{{"/t/m", "/t/a"}}, {"/t/a", "/t/a/in", "/t/m", "/t/m/in", "/t/z"}},
  };
  testing_support::ScriptedPump pump;
  catalogue::RunState run;
  for (const auto& [mounts, expected] : cases) {
    const FakeFolders fs{{{"/t", {1, {"a", "gone", "m", "z"}}}, {"/t/a", {2, {"in"}}}, {"/t/a/in", {3, {}}},
                          {"/t/m", {4, {}}}, {"/t/z", {5, {}}}}, mounts};
    for (const bool stop : {false, true}) {
      QStringList found;
      catalogue::SkippedFolders skipped;
      run.stopflag = stop;
      const auto visit = [&found](const QString& folder, const std::vector<platform::ListedFile>&) {
        found.append(folder);
      };
      catalogue::walkFolders(QStringLiteral("/t"), *fs(QStringLiteral("/t")), fs, visit, pump, run, skipped);
      EXPECT_EQ(found, stop ? QStringList() : expected) << mounts.keys().join(u',').toStdString();
      EXPECT_EQ(skipped.folders(), stop ? QStringList() : QStringList({"/t/gone"}));
    }
  }
}

// Five folders are all named, with no "and 0 more" after them.
TEST(SkippedFolders, FiveFoldersAreNamedWithoutACount) {
  catalogue::SkippedFolders skipped;
  for (int i = 1; i <= 5; ++i) skipped.note(QStringLiteral("/f%1").arg(i));
  EXPECT_TRUE(skipped.message().endsWith(u"\r\n/f4\r\n/f5"));
}
