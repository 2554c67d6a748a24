// The walk on a made-up file system, so that bind mounts, which need root to make, can
// put a folder inside itself: the walk must end and leave such a folder out.
#include <gtest/gtest.h>

#include <QMap>

#include "catalogue/FolderWalk.h"
#include "support/Fakes.h"

namespace {

using catalogue::SkippedFolders;

// Folders by path, each with its identity and subfolders; `mounts` show one folder at a
// second path, like a bind mount. A path not found cannot be read.
struct FakeFolders {
  struct Folder {
    quint64 inode;
    QStringList names;
  };
  QMap<QString, Folder> folders;
  QMap<QString, QString> mounts;  // path -> the folder shown there

  QString resolve(QString path) const {
    for (bool changed = true; changed;) {
      changed = false;
      for (auto it = mounts.begin(); it != mounts.end(); ++it)
        if (path == it.key() || path.startsWith(it.key() + u'/')) {
          path = it.value() + path.mid(it.key().size());
          changed = true;
        }
    }
    return path;
  }
  std::optional<platform::Subfolders> read(const QString& path) const {
    if (path.size() > 200) return std::nullopt;  // a walk that never ends still stops here
    const auto it = folders.find(resolve(path));
    if (it == folders.end()) return std::nullopt;
    return platform::Subfolders{it->names, {1, it->inode}};
  }
};

struct Walked {
  QStringList found;
  QStringList skipped;
};

Walked walk(const FakeFolders& fs, catalogue::RunState run = {}) {
  testing_support::ScriptedPump pump;
  Walked result;
  SkippedFolders skipped;
  catalogue::walkFolders(
      QStringLiteral("/t"), [&fs](const QString& path) { return fs.read(path); }, pump, run, result.found, skipped);
  result.skipped = skipped.folders();
  return result;
}

TEST(FolderWalk, FolderThatHoldsItsOwnAncestorIsLeftOut) {
  struct Case {
    const char* what;
    QMap<QString, QString> mounts;
    QStringList found;
  };
  const Case cases[] = {
      {"no mounts", {}, {"/t/a", "/t/a/in", "/t/m", "/t/z"}},
      {"the top inside itself", {{"/t/m", "/t"}}, {"/t/a", "/t/a/in", "/t/z"}},
      {"a parent inside its child", {{"/t/a/in", "/t/a"}}, {"/t/a", "/t/m", "/t/z"}},
      {"the top inside a grandchild", {{"/t/a/in", "/t"}}, {"/t/a", "/t/m", "/t/z"}},
      // The same folder beside itself is no loop: both places are walked.
      {"a sibling shown twice", {{"/t/m", "/t/a"}}, {"/t/a", "/t/a/in", "/t/m", "/t/m/in", "/t/z"}},
      {"a sibling's child below the other", {{"/t/z", "/t/a/in"}}, {"/t/a", "/t/a/in", "/t/m", "/t/z"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFolders fs;
    fs.folders = {{"/t", {1, {"a", "m", "z"}}}, {"/t/a", {2, {"in"}}}, {"/t/a/in", {3, {}}},
                  {"/t/m", {4, {}}},           {"/t/z", {5, {}}}};
    fs.mounts = c.mounts;
    const Walked walked = walk(fs);
    EXPECT_EQ(walked.found, c.found);
    EXPECT_TRUE(walked.skipped.isEmpty());
  }
}

TEST(FolderWalk, UnreadableFoldersAreKeptAndNotedOnceAndTheWalkGoesOn) {
  FakeFolders fs;
  fs.folders = {{"/t", {1, {"a", "gone", "z"}}}, {"/t/a", {2, {"gone", "in"}}}, {"/t/a/in", {3, {}}},
                {"/t/z", {4, {}}}};
  const Walked walked = walk(fs);
  EXPECT_EQ(walked.found, QStringList({"/t/a", "/t/a/gone", "/t/a/in", "/t/gone", "/t/z"}));
  EXPECT_EQ(walked.skipped, QStringList({"/t/a/gone", "/t/gone"}));

  catalogue::RunState stopped;
  stopped.stopflag = true;
  EXPECT_TRUE(walk(fs, stopped).found.isEmpty());
}

TEST(SkippedFolders, MessageCountsAllAndNamesTheFirstFive) {
  const struct {
    int count;
    QString text;
  } cases[] = {
      {1, "1 folder could not be read, so its files were not added:\r\n/f1"},
      {5, "5 folders could not be read, so their files were not added:\r\n/f1\r\n/f2\r\n/f3\r\n/f4\r\n/f5"},
      {6, "6 folders could not be read, so their files were not added:\r\n/f1\r\n/f2\r\n/f3\r\n/f4\r\n/f5\r\n"
          "and 1 more"},
  };
  for (const auto& [count, text] : cases) {
    SkippedFolders skipped;
    for (int round = 0; round < 2; ++round)  // noted twice, counted once
      for (int i = 1; i <= count; ++i) skipped.note(QStringLiteral("/f%1").arg(i));
    EXPECT_EQ(skipped.message(), text) << count;
  }
}

}  // namespace
