// Header clicks on the two lists: the order of the rows, later rows sorted in, the path index kept right.
#include <gtest/gtest.h>

#include "support/CatalogueFakes.h"

using namespace catalogue;
using Kind = FileList::Kind;

namespace {

class ListSortTest : public ::testing::Test, protected testing_support::CatalogueCommands {
 protected:
  static QStringList texts(const FileList& rows) { return testing_support::fields(rows, &FileEntry::text); }
  QStringList upper() const { return texts(catalogue.lstmain()); }
  // The files, in bytes, into the folder "in", then Add of it.
  void gather(std::initializer_list<std::pair<const char*, qint64>> files) {
    for (const auto& [name, size] : files) tree.file(QStringLiteral("in/") + name, size);
    add(tree.path("in"));
  }
};

// As texts these sizes would sort 10000000005 < 100 < 2000000000 < 9.
TEST_F(ListSortTest, BytesSortsBySizeASecondClickReversesAndNameKeepsTheDirection) {
  for (auto [path, size] :
       {std::pair{"/d/B.txt", 10'000'000'005LL}, {"/d/a.bin", 9LL}, {"/d/c.iso", 100LL}, {"/d/a2", 2'000'000'000LL}}) {
    catalogue.addfile(QString::fromLatin1(path), size);
    catalogue.lstsec().append(FileEntry{QString::fromLatin1(path), {}, {}, size});
  }
  const std::tuple<int, Kind, QStringList> clicks[] = {
      {4, Kind::Upper, {"a.bin", "c.iso", "a2", "B.txt"}},
      {4, Kind::Upper, {"B.txt", "a2", "c.iso", "a.bin"}},
      {1, Kind::Lower, {"/d/a.bin", "/d/c.iso", "/d/a2", "/d/B.txt"}},  // each list has its own sort
      {0, Kind::Upper, {"c.iso", "B.txt", "a2", "a.bin"}},              // still descending; letter case ignored
      {0, Kind::Upper, {"a.bin", "a2", "B.txt", "c.iso"}},
      {1, Kind::Upper, {"a2", "c.iso", "a.bin", "B.txt"}},  // "File Size" as text: "1.86 GB" < "100 B" < "9 B"
  };
  for (const auto& [column, kind, rows] : clicks) {
    catalogue.headerClicked(kind, column);
    EXPECT_EQ(texts(kind == Kind::Upper ? catalogue.lstmain() : catalogue.lstsec()), rows) << column;
  }
  // The path index follows the moved rows: every row is found, duplicates are refused.
  const FileList& rows = catalogue.lstmain();
  for (int row = 0; row < rows.count(); ++row) EXPECT_EQ(catalogue.getfilenum(rows.fullPath(row)), row + 1);
  catalogue.addfile(QStringLiteral("/d/c.iso"), 100);
  EXPECT_EQ(rows.count(), 4);
}

// Dropped rows are sorted in; Add gathers the folder anew, in the same order.
TEST_F(ListSortTest, RowsAddedLaterAreSortedIn) {
  gather({{"m.bin", 3}, {"k.bin", 1}, {"drop/n.bin", 2}, {"drop/big.bin", 5}});
  catalogue.headerClicked(Kind::Upper, 4);
  catalogue.headerClicked(Kind::Upper, 4);
  gathering.dropOnUpperList({tree.path("in/drop/n.bin"), tree.path("in/drop/big.bin")}, request());
  EXPECT_EQ(upper(), (QStringList{"big.bin", "m.bin", "n.bin", "k.bin"}));
  EXPECT_EQ(catalogue.getfilenum(tree.path("in/drop/n.bin")), 3);
  gather({{"j.bin", 4}});
  EXPECT_EQ(upper(), (QStringList{"j.bin", "m.bin", "k.bin"}));
  EXPECT_EQ(catalogue.getfilenum(tree.path("in/k.bin")), 3);
}

}  // namespace
