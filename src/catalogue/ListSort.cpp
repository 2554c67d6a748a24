// Cell texts are made per comparison only for the size column's text form; the others
// are stored texts.
#include "catalogue/ListSort.h"

#include "catalogue/ListColumns.h"

namespace catalogue {

void headerClicked(SortState& state, int column) {
  if (state.sorted && state.column == column)
    state.descending = !state.descending;
  else
    state.column = column;
  state.sorted = true;
}

namespace {

int compareRows(const FileEntry& a, const FileEntry& b, const ColumnFacts& column) {
  if (column.sortsBySize) return a.size < b.size ? -1 : a.size > b.size ? 1 : 0;
  return QString::compare(column.text(a), column.text(b), Qt::CaseInsensitive);
}

}  // namespace

void sortList(FileList& list, const SortState& state) {
  if (!state.sorted || list.count() < 2) return;
  const ColumnFacts& column = columnFacts(listColumn(list.kind(), state.column));
  list.sortRows([&](const FileEntry& a, const FileEntry& b) {
    const int c = compareRows(a, b, column);
    return state.descending ? c > 0 : c < 0;
  });
}

}  // namespace catalogue
