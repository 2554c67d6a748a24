// Folder reading: which entries are listed, in what order and with what size.
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/FileNames.h"
#include "platform/FolderListing.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

using namespace platform;
using testing_support::ScriptedPump;
using testing_support::TempTree;

namespace {

QStringList names(const std::vector<ListedFile>& files) {
  QStringList out;
  for (const ListedFile& f : files) out.append(f.name);
  return out;
}

const std::function<bool(const QString&)> acceptAll;

}  // namespace

class FolderListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qint64 size = 0;
    for (const char* name : {"a.txt", "A.txt", "b.txt", "C.mp3", ".hidden"}) tree.file(QString::fromUtf8(name), ++size);
    for (const char* name : {"sub", ".config", "Zed"}) tree.folder(QString::fromUtf8(name));
    tree.fifo(QStringLiteral("pipe"));
    const std::pair<const char*, const char*> links[] = {
        {"b.txt", "link.txt"}, {"nowhere", "dead.txt"}, {"sub", "linkdir"}, {".hidden", ".hiddenlink"}};
    for (const auto& [target, link] : links)
      tree.symlink(tree.path(QString::fromUtf8(target)), QString::fromUtf8(link));
  }
  TempTree tree;
  ScriptedPump pump;
};

TEST_F(FolderListingTest, ListsRegularFilesAndLinksToThemInFixedOrder) {
  const auto files = listFiles(tree.root(), acceptAll, pump);
  ASSERT_TRUE(files);
  EXPECT_EQ(names(*files), QStringList({"A.txt", "a.txt", "b.txt", "C.mp3", "link.txt"}));
  EXPECT_EQ(files->at(0).size, 2);
  EXPECT_EQ(files->at(3).size, 4);
  EXPECT_EQ(files->at(4).size, 3) << "a link counts as the file it points to";
  EXPECT_GE(pump.calls, 13) << "the window gets a turn after every entry";
  const auto text = listFiles(tree.root(), [](const QString& n) { return n.endsWith(u".TXT", Qt::CaseInsensitive); },
                              pump);
  ASSERT_TRUE(text);
  EXPECT_EQ(names(*text), QStringList({"A.txt", "a.txt", "b.txt", "link.txt"})) << "accept picks among these";
}

TEST_F(FolderListingTest, MissingOrUnreadableFolderGivesNothingAndEmptyFolderNoFiles) {
  EXPECT_FALSE(listFiles(tree.path(QStringLiteral("gone")), acceptAll, pump));
  EXPECT_FALSE(listFiles(tree.path(QStringLiteral("b.txt")), acceptAll, pump));
  EXPECT_FALSE(listSubfolders(tree.path(QStringLiteral("gone")), pump));
  const auto empty = listFiles(tree.path(QStringLiteral("sub")), acceptAll, pump);
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->empty());
  if (::geteuid() == 0) return;  // root reads a locked folder anyway; the headless run checks it as another user
  tree.lock(QStringLiteral("sub"));
  EXPECT_FALSE(listFiles(tree.path(QStringLiteral("sub")), acceptAll, pump));
}

TEST_F(FolderListingTest, SubfoldersIncludeHiddenOnesButNoLinksWhileIsFolderFollowsThem) {
  const auto folders = listSubfolders(tree.root(), pump);
  ASSERT_TRUE(folders);
  EXPECT_EQ(folders->names, QStringList({".config", "sub", "Zed"}));
  const std::pair<const char*, bool> cases[] = {
      {"sub", true}, {"linkdir", true}, {"b.txt", false}, {"pipe", false}, {"gone", false}};
  for (const auto& [name, folder] : cases) EXPECT_EQ(isFolder(tree.path(QString::fromUtf8(name))), folder) << name;
}

TEST_F(FolderListingTest, NamesThatAreNotUtf8LeadBackToTheirFile) {
  tree.rawFile(QStringLiteral("raw"), QByteArray("caf\xe9.bin"), 7);
  const auto files = listFiles(tree.path(QStringLiteral("raw")), acceptAll, pump);
  ASSERT_TRUE(files);
  ASSERT_EQ(files->size(), 1u);
  EXPECT_EQ(encodeFileName(files->at(0).name), QByteArray("caf\xe9.bin"));
  EXPECT_EQ(fileSize(tree.path(QStringLiteral("raw/")) + files->at(0).name), 7);
}

TEST_F(FolderListingTest, SizesAreSixtyFourBitAndNeverGuessed) {
  const qint64 fiveGiB = 5LL * 1024 * 1024 * 1024;
  tree.file(QStringLiteral("big.iso"), fiveGiB);
  EXPECT_EQ(fileSize(tree.path(QStringLiteral("big.iso"))), fiveGiB);
  const auto files = listFiles(tree.root(), [](const QString& n) { return n == u"big.iso"; }, pump);
  ASSERT_TRUE(files);
  ASSERT_EQ(files->size(), 1u);
  EXPECT_EQ(files->at(0).size, fiveGiB);
  EXPECT_EQ(fileSize(tree.path(QStringLiteral("link.txt"))), 3);
  EXPECT_FALSE(fileSize(tree.path(QStringLiteral("dead.txt"))));
  EXPECT_FALSE(fileSize(tree.path(QStringLiteral("gone.txt"))));
}
