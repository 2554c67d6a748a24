// Paths past PATH_MAX: opened and measured wherever the kernel's limit cuts them, no descriptor left open.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <cerrno>
#include <climits>

#include "platform/FileNames.h"
#include "platform/FolderListing.h"
#include "platform/LongPaths.h"
#include "support/TempTree.h"

using namespace platform;
using testing_support::TempTree;

// `relative` (below `tree`) extended by names of at most 200 bytes until its full path is exactly
// `length` bytes long; a name is never empty.
static QString folderOfLength(const TempTree& tree, QString relative, qsizetype length) {
  for (qsizetype left = length - tree.path(relative).size(); left > 0; left = length - tree.path(relative).size())
    relative += u'/' + QString(left <= 201 ? left - 1 : left == 202 ? 199 : 200, u'n');
  return relative;
}

static int openDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).count()); }

// A "/" sits at every place around the limit in turn, and files end at every length
// around it, so each cut of a path is tried: a piece of PATH_MAX bytes would be refused.
TEST(LongPaths, FilesAreReachedWhereverTheLimitFalls) {
  TempTree tree;
  const int descriptorsBefore = openDescriptors();
  for (qsizetype slashAt = PATH_MAX - 3; slashAt <= PATH_MAX + 1; ++slashAt) {
    const QString folder = folderOfLength(tree, QStringLiteral("at%1").arg(slashAt), slashAt);
    for (qsizetype fileLength : {PATH_MAX - 1, PATH_MAX, PATH_MAX + 1, 2 * PATH_MAX + 7}) {
      const qsizetype name = fileLength - slashAt - 1;
      if (name < 1) continue;
      const QString relative =
          name <= 200 ? folder + u'/' + QString(name, u'f') : folderOfLength(tree, folder, fileLength);
      tree.file(relative, fileLength);
      const QString full = tree.path(relative);
      ASSERT_EQ(full.size(), fileLength);
      SCOPED_TRACE(testing::Message() << "slash at " << slashAt << ", path of " << fileLength);
      EXPECT_EQ(fileSize(full), fileLength);
      EXPECT_TRUE(openAnyLength(encodeFileName(full), O_RDONLY | O_CLOEXEC).isOpen());
    }
  }
  EXPECT_EQ(openDescriptors(), descriptorsBefore) << "every folder opened on the way is closed again";
}

TEST(LongPaths, WhatIsNotThereOrCannotBeCutFails) {
  TempTree tree;
  const QString deep = tree.chain(QString(), QString(200, u'd'), 30, QStringLiteral("f"));
  ASSERT_GT(deep.size(), PATH_MAX);
  tree.symlink(QStringLiteral("nowhere"), deep.mid(tree.root().size() + 1) + QStringLiteral("/dead"));
  const QString gone = deep.left(PATH_MAX + 100).section(u'/', 0, -2) + QStringLiteral("/gone/") + QString(200, u'd');
  const std::pair<QString, int> failures[] = {
      {gone + u'/' + QString(3000, u'x'), ENOENT},
      {deep + u'/' + QString(PATH_MAX, u'x'), ENAMETOOLONG},  // no "/" to cut at
      {deep + QStringLiteral("/f/") + QString(PATH_MAX, u'x') + QStringLiteral("/g"), ENOTDIR},
  };
  struct stat st {};
  for (const auto& [path, error] : failures) {
    errno = 0;
    EXPECT_FALSE(openAnyLength(encodeFileName(path), O_RDONLY).isOpen());
    EXPECT_EQ(errno, error) << path.right(40).toStdString();
    EXPECT_FALSE(statAnyLength(encodeFileName(path), st));
  }
  EXPECT_FALSE(statAnyLength(encodeFileName(deep + QStringLiteral("/dead")), st)) << "a link is followed";
}
