// Replacing a file whole: what it refuses to replace, the mode the new file gets, the system's reason.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstring>
#include <functional>
#include <tuple>

#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"
#include "support/FileBytes.h"
#include "support/TempTree.h"

using platform::encodeFileName;
using testing_support::TempTree;
using testing_support::readBytes;

static QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

static mode_t modeOf(const QString& path) {
  struct stat st {};
  return ::stat(encodeFileName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

static void setMode(const QString& path, mode_t mode) { ASSERT_EQ(::chmod(encodeFileName(path).constData(), mode), 0); }

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
    EXPECT_EQ(readBytes(path), "new");
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
    EXPECT_NE(readBytes(path), "new");
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

// The kind of what stands at `path` (S_IFREG, S_IFLNK, ...), itself and not what it links to; 0 when nothing.
static mode_t kindOf(const QString& path) {
  struct stat st {};
  return ::lstat(encodeFileName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

// A link made by a dotfile manager is followed to the regular file it leads to, which is
// replaced while the link stays; what is no regular file is never renamed over, linked or not.
TEST(ReplaceFile, FollowsLinksToRegularFilesAndReplacesNothingElse) {
  const struct {
    const char* what;
    std::function<void(TempTree&)> make;  // makes "cd.txt" and what it leads to
    const char* written;                  // the file that gets the new bytes; null when refused
    QString failure;
  } cases[] = {
      {"a link to a file", [](TempTree& t) { t.file("dots/cd.txt", 3), t.symlink("dots/cd.txt", "cd.txt"); },
       "dots/cd.txt", {}},
      {"a chain of relative links",
       [](TempTree& t) {
         t.file("dots/real.txt", 3), t.symlink("real.txt", "dots/cd.txt"), t.symlink("dots/cd.txt", "cd.txt");
       },
       "dots/real.txt", {}},
      {"a link to a name not there yet", [](TempTree& t) { t.folder("dots"), t.symlink("dots/new.txt", "cd.txt"); },
       "dots/new.txt", {}},
      {"a pipe", [](TempTree& t) { t.fifo("cd.txt"); }, nullptr, "Not a regular file"},
      {"a link to a pipe", [](TempTree& t) { t.fifo("dots/pipe"), t.symlink("dots/pipe", "cd.txt"); }, nullptr,
       "Not a regular file"},
      {"a link to a folder", [](TempTree& t) { t.folder("dots/pipe"), t.symlink("dots/pipe", "cd.txt"); }, nullptr,
       reason(EISDIR)},
      {"a loop of links", [](TempTree& t) { t.symlink("cd.txt", "cd.txt"); }, nullptr, reason(ELOOP)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempTree tree;
    c.make(tree);
    const QString named = tree.path("cd.txt"), behind = tree.path("dots/pipe");
    const mode_t namedKind = kindOf(named), behindKind = kindOf(behind);
    EXPECT_EQ(platform::replaceFile(named, "new"), c.failure);
    EXPECT_EQ(kindOf(named), namedKind);
    EXPECT_EQ(kindOf(behind), behindKind);
    if (c.written) { EXPECT_EQ(readBytes(tree.path(QString::fromLatin1(c.written))), "new"); }
    for (const QString& folder : {tree.root(), tree.path("dots")})
      EXPECT_TRUE(QDir(folder).entryList({".fillpack-*"}, QDir::Files | QDir::Hidden).isEmpty());
  }
}
