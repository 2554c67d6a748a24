// Header clicks on the two lists: the order of the rows, later rows sorted in, the path index kept right.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "catalogue/ListColumns.h"
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

// Every column of both lists, both ways, orders rows as a plain stable sort by the cell
// texts (by the size where the column sorts by size) does: on rows with many ties, texts
// that differ in letter case only, letters that fold beyond ASCII (the Kelvin sign folds to
// "k") and past the sixteenth unit, and equal folder and type texts held by different copies.
TEST(ListSortOrderTest, EveryColumnOrdersRowsAsAPlainStableSort) {
  const QString pieces[] = {"",  "a",      "A",    "b",    "\u00e9", "\u00c9", "\u212a", "k",
                            "K", "\u017f", "s",    "\u00df", "file", "FILE0", ".txt", "\U0001F600",
                            "\U00010400", "\U00010428", "abcdefghijklmnop", "ABCDEFGHIJKLMNOPq"};
  const QString folders[] = {"/a", "/A", "/b", "/\u00e9", "/\u00c9", "/long/common/prefix/one", "/long/common/prefix/One", ""};
  const QString types[] = {"Text File", "text file", "ZIP archive", "Zip Archive", "", "\u00c4rger"};
  const qint64 sizes[] = {0, 5, 1023, 1024, 1536, 1048576, 1048577, 5'000'000'000LL, 123456, 9};
  std::vector<SharedText> folderCopies, typeCopies;  // two copies of each text
  for (const QString& f : folders) folderCopies.insert(folderCopies.end(), {SharedText(f), SharedText(f)});
  for (const QString& t : types) typeCopies.insert(typeCopies.end(), {SharedText(t), SharedText(t)});

  std::mt19937 random(7);
  const auto pick = [&random](const auto& from) { return from[random() % std::size(from)]; };
  std::vector<FileEntry> rows;
  for (int id = 0; id < 800; ++id)
    rows.push_back({pick(pieces) + pick(pieces) + pick(pieces), pick(folderCopies), pick(typeCopies), pick(sizes), id});

  for (const Kind kind : {Kind::Upper, Kind::Lower})
    for (int section = 0; section < int(listColumns(kind).size()); ++section)
      for (const bool descending : {false, true}) {
        const ColumnFacts& column = columnFacts(listColumn(kind, section));
        std::vector<FileEntry> expected = rows;
        std::stable_sort(expected.begin(), expected.end(), [&](const FileEntry& a, const FileEntry& b) {
          const int c = column.sortsBySize ? (a.size > b.size) - (a.size < b.size)
                                           : QString::compare(column.text(a), column.text(b), Qt::CaseInsensitive);
          return descending ? c > 0 : c < 0;
        });
        RowOrder want;
        for (const FileEntry& e : expected) want.push_back(quint32(e.icon));  // the icon field holds the id

        FileList list(kind);
        for (const FileEntry& e : rows) list.append(e);
        const RowOrder order = sortList(list, {true, section, descending});
        RowOrder got;
        for (int row = 0; row < list.count(); ++row) got.push_back(quint32(list.at(row).icon));
        EXPECT_EQ(got, want) << "list " << int(kind) << ", column " << section << (descending ? ", descending" : "");
        EXPECT_EQ(order, want);
      }
}

}  // namespace
