// Cell texts are made per comparison only for the size column's text form; the others
// are stored texts.
#include "catalogue/ListSort.h"

#include "catalogue/Numbers.h"

namespace catalogue {

void headerClicked(SortState& state, int column) {
  if (state.sorted && state.column == column)
    state.descending = !state.descending;
  else
    state.column = column;
  state.sorted = true;
}

namespace {

// Which text a column shows, or -1 for the "Bytes" column.
int compareRows(const FileEntry& a, const FileEntry& b, FileList::Kind kind, int column) {
  const bool upper = kind == FileList::Kind::Upper;
  const bool bytes = upper ? column == 4 : column == 1;
  if (bytes) return a.size < b.size ? -1 : a.size > b.size ? 1 : 0;
  if (!upper || column == 0) return QString::compare(a.text, b.text, Qt::CaseInsensitive);
  if (column == 1) return QString::compare(GetSize(a.size), GetSize(b.size), Qt::CaseInsensitive);
  if (column == 2) return QString::compare(a.type, b.type, Qt::CaseInsensitive);
  return QString::compare(a.folder, b.folder, Qt::CaseInsensitive);
}

}  // namespace

void sortList(FileList& list, const SortState& state) {
  if (!state.sorted || list.count() < 2) return;
  const FileList::Kind kind = list.kind();
  list.sortRows([&](const FileEntry& a, const FileEntry& b) {
    const int c = compareRows(a, b, kind, state.column);
    return state.descending ? c > 0 : c < 0;
  });
}

}  // namespace catalogue
