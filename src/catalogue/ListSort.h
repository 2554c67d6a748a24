// Sorting a list by a column, as a click on its header does: the first click on a column
// sorts by it in the current direction, the next click on the same column reverses it.
// Once switched on, sorting stays on and rows added later are sorted in.
#pragma once

#include "catalogue/FileList.h"

namespace catalogue {

struct SortState {
  bool sorted = false;
  int column = 0;  // the header section, 0-based: listColumn() names the column
  bool descending = false;
};

// The header click on `column` (0-based): updates the state.
void headerClicked(SortState& state, int column);

// Sorts the rows by the state's column: texts compared as the list shows them, letter
// case ignored; a column that sorts by size ("Bytes") by the size itself, so sizes of
// more than ten digits stay in order. Rows that compare equal keep their order. Returns
// the old number of each row, empty when the list was left as it was.
RowOrder sortList(FileList& list, const SortState& state);

}  // namespace catalogue
