// Header clicks on the two lists: the "Bytes" column in size order, a second click
// reversing, another column keeping the direction, rows added later sorted in, and the
// path index still right after the rows moved.
#include <gtest/gtest.h>

#include "support/OutputFakes.h"

using namespace catalogue;
using Kind = FileList::Kind;

namespace {

class ListSortTest : public ::testing::Test, protected testing_support::TestWindow {
 protected:
  // As texts these sizes would sort 10000000005 < 100 < 2000000000 < 9.
  void addRows() {
    for (auto [path, size] : {std::pair{"/d/B.txt", 10'000'000'005LL}, {"/d/a.bin", 9LL}, {"/d/c.iso", 100LL},
                              {"/d/a2", 2'000'000'000LL}})
      window.catalogue().addfile(QString::fromLatin1(path), size);
  }
  void click(int column, Kind kind = Kind::Upper) { window.headerClicked(kind, column); }
};

TEST_F(ListSortTest, BytesSortsBySizeASecondClickReversesAndNameKeepsTheDirection) {
  addRows();
  click(4);
  EXPECT_EQ(upper(), (QStringList{"a.bin", "c.iso", "a2", "B.txt"}));
  click(4);
  EXPECT_EQ(upper(), (QStringList{"B.txt", "a2", "c.iso", "a.bin"}));
  click(0);  // still descending; letter case ignored
  EXPECT_EQ(upper(), (QStringList{"c.iso", "B.txt", "a2", "a.bin"}));
  click(0);
  EXPECT_EQ(upper(), (QStringList{"a.bin", "a2", "B.txt", "c.iso"}));
  const SortState& state = window.catalogue().sortState(Kind::Upper);
  EXPECT_TRUE(state.sorted);
  EXPECT_EQ(state.column, 0);
  EXPECT_FALSE(state.descending);
  EXPECT_FALSE(window.catalogue().sortState(Kind::Lower).sorted) << "each list has its own sort";

  // The path index follows the moved rows: every row is found, duplicates are refused.
  const FileList& rows = window.catalogue().lstmain();
  for (int row = 0; row < rows.count(); ++row) EXPECT_EQ(window.catalogue().getfilenum(rows.fullPath(row)), row + 1);
  window.catalogue().addfile(QStringLiteral("/d/c.iso"), 100);
  EXPECT_EQ(rows.count(), 4);
}

TEST_F(ListSortTest, TheLowerListsBytesColumnSortsBySize) {
  for (auto [path, size] : {std::pair{"/d/x", 10'000'000'000LL}, {"/d/y", 20LL}, {"/d/z", 3LL}})
    window.catalogue().lstsec().append(FileEntry{QString::fromLatin1(path), {}, {}, {}, size});
  click(1, Kind::Lower);
  EXPECT_EQ(lower(), (QStringList{"/d/z", "/d/y", "/d/x"}));
  click(0, Kind::Lower);
  EXPECT_EQ(lower(), (QStringList{"/d/x", "/d/y", "/d/z"}));
}

TEST_F(ListSortTest, RowsAddedLaterAreSortedIn) {
  gather({{"m.bin", 3}, {"k.bin", 1}});
  click(4);
  click(4);  // descending by size
  tree.file(QStringLiteral("drop/n.bin"), 2 * 1048576);
  tree.file(QStringLiteral("drop/big.bin"), 5 * 1048576);
  window.dropOnUpperList({tree.path(QStringLiteral("drop/n.bin")), tree.path(QStringLiteral("drop/big.bin"))});
  EXPECT_EQ(upper(), (QStringList{"big.bin", "m.bin", "n.bin", "k.bin"}));
  EXPECT_EQ(window.catalogue().getfilenum(tree.path(QStringLiteral("drop/n.bin"))), 3);

  gather({{"j.bin", 4}});  // Add gathers the folder anew, in the same order
  EXPECT_EQ(upper(), (QStringList{"j.bin", "m.bin", "k.bin"}));
  EXPECT_EQ(window.catalogue().getfilenum(in(QStringLiteral("k.bin"))), 3);
}

}  // namespace
