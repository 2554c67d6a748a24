// Folder reading: which entries are listed, in what order and with what size.
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/FolderListing.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

using namespace platform;

class FolderListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qint64 size = 0;
    for (const char* name : {"a.txt", "A.txt", "b.txt", "C.mp3", ".hidden"}) tree.file(QString::fromUtf8(name), ++size);
    for (const char* name : {"sub", ".config", "Zed"}) tree.folder(QString::fromUtf8(name));
    tree.fifo(QStringLiteral("pipe"));
    for (auto [target, link] : {std::pair{"b.txt", "link.txt"}, {"nowhere", "dead.txt"}, {"sub", "linkdir"}})
      tree.symlink(tree.path(QString::fromUtf8(target)), QString::fromUtf8(link));
  }
  // "name:size" of every file listed in `folder` ("" for the root) that `accept` takes.
  // The files of the folder's reading with its subfolders are checked to be the same.
  QStringList listed(const QString& folder = {}, const std::function<bool(const QString&)>& accept = {}) {
    const QString path = folder.isEmpty() ? tree.root() : tree.path(folder);
    const auto files = listFiles(path, accept, pump);
    const auto contents = listFolder(path, accept, pump);
    EXPECT_EQ(files.has_value(), contents.has_value());
    if (!files || !contents) return {QStringLiteral("<unreadable>")};
    QStringList out;
    for (const ListedFile& f : *files) out.append(QStringLiteral("%1:%2").arg(f.name).arg(f.size));
    QStringList both;
    for (const ListedFile& f : contents->files) both.append(QStringLiteral("%1:%2").arg(f.name).arg(f.size));
    EXPECT_EQ(both, out);
    return out;
  }
  testing_support::TempTree tree;
  testing_support::ScriptedPump pump;
};

// Hidden files, folders, the pipe and a dead link are not listed; a link counts as its file.
TEST_F(FolderListingTest, ListsRegularFilesAndLinksToThemInFixedOrder) {
  EXPECT_EQ(listed(), QStringList({"A.txt:2", "a.txt:1", "b.txt:3", "C.mp3:4", "link.txt:3"}));
  EXPECT_GE(pump.calls, 12) << "the window gets a turn after every entry";
  EXPECT_EQ(listed({}, [](const QString& n) { return n.endsWith(u".TXT", Qt::CaseInsensitive); }),
            QStringList({"A.txt:2", "a.txt:1", "b.txt:3", "link.txt:3"}));
  const QString unreadable = QStringLiteral("<unreadable>");
  EXPECT_EQ(listed(QStringLiteral("gone")) + listed(QStringLiteral("b.txt")), QStringList({unreadable, unreadable}));
  EXPECT_EQ(listed(QStringLiteral("sub")), QStringList());
  if (::geteuid() == 0) return;  // root reads a locked folder anyway; the headless run checks it as another user
  tree.lock(QStringLiteral("sub"));
  EXPECT_EQ(listed(QStringLiteral("sub")), QStringList({unreadable}));
}

TEST_F(FolderListingTest, SubfoldersIncludeHiddenOnesButNoLinksWhileIsFolderFollowsThem) {
  EXPECT_FALSE(listFolder(tree.path(QStringLiteral("gone")), {}, pump));
  const auto contents = listFolder(tree.root(), {}, pump);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->subfolders, QStringList({".config", "sub", "Zed"}));
  for (const auto& [name, folder] :
       {std::pair{"sub", true}, {"linkdir", true}, {"b.txt", false}, {"pipe", false}, {"gone", false}})
    EXPECT_EQ(isFolder(tree.path(QString::fromUtf8(name))), folder) << name;
}

// Sizes are 64-bit, follow links and are never guessed; a name that is not UTF-8 leads back to its file.
TEST_F(FolderListingTest, FileSizesAreSixtyFourBitAndNeverGuessed) {
  tree.file(QStringLiteral("big.iso"), 5LL << 30);
  using Size = std::optional<qint64>;
  for (const auto& [path, size] : {std::pair<QString, Size>{tree.path(QStringLiteral("big.iso")), 5LL << 30},
                                   {tree.rawFile(QStringLiteral("raw"), QByteArray("caf\xe9.bin"), 7), 7},
                                   {tree.path(QStringLiteral("link.txt")), 3},
                                   {tree.path(QStringLiteral("dead.txt")), std::nullopt},
                                   {tree.path(QStringLiteral("gone.txt")), std::nullopt}})
    EXPECT_EQ(fileSize(path), size) << path.toStdString();
}
