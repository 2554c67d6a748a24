// The columns of the two file lists. What a column shows, how it sorts and which list has
// it stand in one row of a table keyed by the enum, so that another column is another
// enumerator and its row (and its caption in the window's controls).
#pragma once

#include <QString>
#include <span>

#include "catalogue/FileEntry.h"
#include "catalogue/FileList.h"

namespace catalogue {

// In the order the upper list shows them; the lower list shows those it has in this order too.
enum class ListColumn { Name, Size, Type, Path, Bytes };

// What a cell's text depends on beside its row, looked up once for many cells.
struct CellFormat {
  QString decimalPoint;
  static CellFormat current();
};

struct ColumnFacts {
  ListColumn column;
  QString (*text)(const FileEntry& entry);  // the cell as the list shows it
  // The same text appended, as the state dump writes a million of them.
  void (*append)(QString& out, const FileEntry& entry, const CellFormat& format);
  bool sortsBySize;                         // by the size in bytes; the others by text, letter case ignored
  bool alignsRight;                         // figures are set flush right
  bool inUpper, inLower;                    // the lists that have the column
  // For a column whose texts repeat over many rows: a number that is the same for rows of
  // one text (a shared text's own copy, a size's unit and figure), so that a sort works
  // each text out and compares it once. Null for the sizes and for the name, the row's own text.
  quint64 (*textKey)(const FileEntry& entry);
};

const ColumnFacts& columnFacts(ListColumn column);

// The columns of a list, left to right: what its header sections 0, 1, ... stand for.
std::span<const ListColumn> listColumns(FileList::Kind kind);
// The column at header section `section` (0-based) of that list.
ListColumn listColumn(FileList::Kind kind, int section);

}  // namespace catalogue
