// Replacing a file whole: what it refuses to replace, the mode the new file gets, and
// the system's reason when it fails.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"
#include "support/TempTree.h"

namespace {

using platform::encodeFileName;
using testing_support::TempTree;

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

mode_t modeOf(const QString& path) {
  struct stat st {};
  return ::stat(encodeFileName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

bool temporaryLeft(const TempTree& tree) {
  return !QDir(tree.root()).entryList({".fillpack-*"}, QDir::Files | QDir::Hidden).isEmpty();
}

TEST(ReplaceFile, TheNewFileKeepsOnlyTheReadAndWriteBitsOfTheOld) {
  const struct {
    std::optional<mode_t> old;  // none: no file there yet
    mode_t umask;
    mode_t expected;
  } cases[] = {
      {04755, 022, 0644}, {02775, 022, 0664}, {01666, 022, 0666}, {0600, 022, 0600},
      {0200, 022, 0200},  {0711, 077, 0600},  {std::nullopt, 022, 0644}, {std::nullopt, 027, 0640},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::oct << c.old.value_or(0) << " umask " << c.umask);
    TempTree tree;
    const QString path = tree.path("cd.txt");
    if (c.old) {
      tree.file("cd.txt", 3);
      ASSERT_EQ(::chmod(encodeFileName(path).constData(), *c.old), 0);
    }
    const mode_t saved = ::umask(c.umask);
    const QString failure = platform::replaceFile(path, "new");
    ::umask(saved);
    EXPECT_EQ(failure, QString());
    EXPECT_EQ(contents(path), "new");
    EXPECT_EQ(modeOf(path), c.expected);
  }
}

TEST(ReplaceFile, RefusesWhatItMayNotReplaceWithTheSystemsReason) {
  enum class Target { ReadOnly, NoBits, ReadAndExecute, Folder, MissingFolder, FolderIsAFile };
  const struct {
    const char* what;
    Target target;
    QString reason;
  } cases[] = {
      {"0444 list, whoever runs it", Target::ReadOnly, reason(EACCES)},
      {"0000 list", Target::NoBits, reason(EACCES)},
      {"0555 list", Target::ReadAndExecute, reason(EACCES)},
      {"a folder of that name", Target::Folder, reason(EISDIR)},
      {"no such folder", Target::MissingFolder, reason(ENOENT)},
      {"the folder is a file", Target::FolderIsAFile, reason(ENOTDIR)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempTree tree;
    QString path = tree.path("cd.txt");
    const mode_t modes[] = {0444, 0, 0555};
    switch (c.target) {
      case Target::ReadOnly:
      case Target::NoBits:
      case Target::ReadAndExecute:
        tree.file("cd.txt");
        ASSERT_EQ(::chmod(encodeFileName(path).constData(), modes[int(c.target)]), 0);
        break;
      case Target::Folder: tree.folder("cd.txt"); break;
      case Target::MissingFolder: path = tree.path("gone/cd.txt"); break;
      case Target::FolderIsAFile:
        tree.file("plain");
        path = tree.path("plain/cd.txt");
        break;
    }
    const mode_t before = modeOf(path);
    EXPECT_EQ(platform::replaceFile(path, "new"), c.reason);
    EXPECT_EQ(modeOf(path), before);
    if (c.target <= Target::ReadAndExecute) {
      EXPECT_EQ(contents(path), "");
    }
    EXPECT_FALSE(temporaryLeft(tree));
  }
}

// As root a folder without write permission takes the new file all the same; anyone else
// is refused by it.
TEST(ReplaceFile, AFolderWithoutWritePermissionStopsOnlyThoseItStops) {
  TempTree tree;
  tree.folder("lists");
  const QByteArray folder = encodeFileName(tree.path("lists"));
  ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
  const QString failure = platform::replaceFile(tree.path("lists/cd.txt"), "new");
  ::chmod(folder.constData(), 0755);
  EXPECT_EQ(failure, ::geteuid() == 0 ? QString() : reason(EACCES));
}

}  // namespace
