// Paths past PATH_MAX: opened and measured wherever the kernel's limit cuts them, no
// descriptor left behind, and trees of such paths made and removed by the tests.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <cerrno>
#include <climits>

#include "platform/FileNames.h"
#include "platform/FolderListing.h"
#include "platform/LongPaths.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

using namespace platform;
using testing_support::TempTree;

namespace {

// The relative folder path below `tree` whose full path is exactly `length` bytes long,
// made of names of at most 200 bytes, led by `lead` so that chains stay apart.
QString folderOfLength(const TempTree& tree, const QString& lead, qsizetype length) {
  QString relative = lead;
  qsizetype full = tree.root().size() + 1 + lead.size();
  while (length - full > 0) {
    const qsizetype name = std::min<qsizetype>(200, length - full - 1);
    const qsizetype take = length - full - 1 - name == 1 ? name - 1 : name;  // never leave a lone "/"
    relative += u'/' + QString(take, u'n');
    full += 1 + take;
  }
  return relative;
}

int openDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).count()); }

}  // namespace

// A "/" sits at every place around the limit in turn, and files end at every length
// around it, so each cut of a path is tried: a piece of PATH_MAX bytes would be refused.
TEST(LongPaths, FilesAreReachedWhereverTheLimitFalls) {
  TempTree tree;
  testing_support::ScriptedPump pump;
  const int descriptorsBefore = openDescriptors();
  for (qsizetype slashAt = PATH_MAX - 3; slashAt <= PATH_MAX + 1; ++slashAt) {
    const QString lead = QStringLiteral("at%1").arg(slashAt);
    const QString folder = folderOfLength(tree, lead, slashAt);
    ASSERT_EQ(tree.path(folder).size(), slashAt);
    for (qsizetype fileLength : {PATH_MAX - 1, PATH_MAX, PATH_MAX + 1, 2 * PATH_MAX + 7}) {
      if (fileLength - slashAt - 1 < 1) continue;
      const QString relative = fileLength - slashAt - 1 <= 200
                                   ? folder + u'/' + QString(fileLength - slashAt - 1, u'f')
                                   : folderOfLength(tree, folder, fileLength);
      tree.file(relative, fileLength);
      const QString full = tree.path(relative);
      ASSERT_EQ(full.size(), fileLength);
      SCOPED_TRACE(testing::Message() << "slash at " << slashAt << ", path of " << fileLength);
      EXPECT_EQ(fileSize(full), fileLength);
      EXPECT_TRUE(openAnyLength(encodeFileName(full), O_RDONLY | O_CLOEXEC).isOpen());
      EXPECT_FALSE(isFolder(full));
      const QString holder = full.left(full.lastIndexOf(u'/'));
      EXPECT_TRUE(isFolder(holder));
      const auto listed = listFiles(holder, {}, pump);
      ASSERT_TRUE(listed);
      const QString name = full.mid(holder.size() + 1);
      EXPECT_TRUE(std::any_of(listed->begin(), listed->end(), [&](const ListedFile& f) { return f.name == name; }));
      EXPECT_TRUE(listSubfolders(holder, pump));
    }
  }
  EXPECT_EQ(openDescriptors(), descriptorsBefore) << "every folder opened on the way is closed again";
}

TEST(LongPaths, WhatIsNotThereOrCannotBeCutFails) {
  TempTree tree;
  const QString deep = tree.chain(QString(), QString(200, u'd'), 30, QStringLiteral("f"));
  tree.symlink(QStringLiteral("nowhere"), deep.mid(tree.root().size() + 1) + QStringLiteral("/dead"));
  const QString gone = deep.left(PATH_MAX + 100).section(u'/', 0, -2) + QStringLiteral("/gone/") + QString(200, u'd');
  const struct {
    QByteArray path;
    int error;
  } failures[] = {
      {encodeFileName(gone + QStringLiteral("/") + QString(3000, u'x')), ENOENT},
      {encodeFileName(deep + u'/' + QString(PATH_MAX, u'x')), ENAMETOOLONG},  // no "/" to cut at
      {encodeFileName(deep + QStringLiteral("/f/") + QString(PATH_MAX, u'x') + QStringLiteral("/g")), ENOTDIR},
  };
  for (const auto& [path, error] : failures) {
    errno = 0;
    EXPECT_FALSE(openAnyLength(path, O_RDONLY).isOpen());
    EXPECT_EQ(errno, error) << path.right(40).constData();
    struct stat st {};
    EXPECT_FALSE(statAnyLength(path, st));
  }
  ASSERT_GT(deep.size(), PATH_MAX);
  struct stat st {};
  const QByteArray dead = encodeFileName(deep + QStringLiteral("/dead"));
  EXPECT_FALSE(statAnyLength(dead, st)) << "a link is followed";
  ASSERT_TRUE(statAnyLength(dead, st, AT_SYMLINK_NOFOLLOW)) << "unless asked not to";
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_FALSE(fileSize(deep + QStringLiteral("/dead")));
  EXPECT_EQ(fileSize(deep + QStringLiteral("/f")), 0);
}

// A deep tree, with a locked folder deep in it, leaves nothing behind.
TEST(LongPaths, TestTreesPastTheLimitAreRemovedWhole) {
  QString root;
  {
    TempTree tree;
    root = tree.root();
    // More levels than a process may hold descriptors by default.
    const QString deep = tree.chain(QStringLiteral("a"), QStringLiteral("bbb"), 1400, QStringLiteral("f"));
    const QString relative = deep.mid(root.size() + 1);
    tree.file(relative + QStringLiteral("/locked/x"));
    tree.lock(relative.left(relative.indexOf(u'/', PATH_MAX / 2)));
    tree.chain(QStringLiteral("c"), QString(200, u'c'), 40, QStringLiteral("g"));
  }
  EXPECT_FALSE(QFileInfo::exists(root));
}
