// Replacing a file whole: what it refuses to replace, the mode the new file gets, the system's reason.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <tuple>

#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"
#include "support/TempTree.h"

using platform::encodeFileName;
using testing_support::TempTree;

static QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

static mode_t modeOf(const QString& path) {
  struct stat st {};
  return ::stat(encodeFileName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

static void setMode(const QString& path, mode_t mode) { ASSERT_EQ(::chmod(encodeFileName(path).constData(), mode), 0); }

static QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Set-user-ID, set-group-ID, sticky and execute bits never pass on; the umask counts only for a new name.
TEST(ReplaceFile, TheNewFileKeepsOnlyTheReadAndWriteBitsOfTheOld) {
  // The old file's mode (-1: no file there yet), the umask, the new file's mode.
  const std::tuple<int, mode_t, mode_t> cases[] = {{04755, 022, 0644}, {02775, 022, 0664}, {01666, 022, 0666},
                                                   {0200, 022, 0200},  {0711, 077, 0600},  {-1, 027, 0640}};
  for (const auto& [old, mask, expected] : cases) {
    SCOPED_TRACE(testing::Message() << std::oct << old << " umask " << mask);
    TempTree tree;
    const QString path = tree.path("cd.txt");
    if (old >= 0) tree.file("cd.txt", 3), setMode(path, mode_t(old));
    const mode_t saved = ::umask(mask);
    EXPECT_EQ(platform::replaceFile(path, "new"), QString());
    ::umask(saved);
    EXPECT_EQ(contents(path), "new");
    EXPECT_EQ(modeOf(path), expected);
  }
}

// A list without write bits is refused even by root, who could write it; nothing is left behind.
TEST(ReplaceFile, RefusesWhatItMayNotReplaceWithTheSystemsReason) {
  // What is made first (a file of that mode, a folder when it ends in "/"), the path replaced, the error.
  const std::tuple<QString, mode_t, const char*, int> cases[] = {
      {"cd.txt", 0444, "cd.txt", EACCES}, {"cd.txt", 0, "cd.txt", EACCES}, {"cd.txt", 0555, "cd.txt", EACCES},
      {"cd.txt/", 0, "cd.txt", EISDIR},   {"", 0, "gone/cd.txt", ENOENT},  {"plain", 0644, "plain/cd.txt", ENOTDIR},
  };
  for (const auto& [made, mode, target, error] : cases) {
    SCOPED_TRACE(target);
    TempTree tree;
    const QString path = tree.path(target);
    if (made.endsWith(u'/')) tree.folder(made.chopped(1));
    if (!made.isEmpty() && !made.endsWith(u'/')) tree.file(made), setMode(tree.path(made), mode);
    const mode_t before = modeOf(path);
    EXPECT_EQ(platform::replaceFile(path, "new"), reason(error));
    EXPECT_EQ(modeOf(path), before);
    EXPECT_NE(contents(path), "new");
    EXPECT_TRUE(QDir(tree.root()).entryList({".fillpack-*"}, QDir::Files | QDir::Hidden).isEmpty());
  }
}

// As root a folder without write permission takes the new file all the same; anyone else is refused.
TEST(ReplaceFile, AFolderWithoutWritePermissionStopsOnlyThoseItStops) {
  TempTree tree;
  tree.folder("lists");
  setMode(tree.path("lists"), 0555);
  const QString failure = platform::replaceFile(tree.path("lists/cd.txt"), "new");
  setMode(tree.path("lists"), 0755);
  EXPECT_EQ(failure, ::geteuid() == 0 ? QString() : reason(EACCES));
}
