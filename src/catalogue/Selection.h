// The Select menu of the upper list: check marks set by what the highlighted rows are
// like (their type, their folder, their size), or for all rows at once.
#pragma once

#include <QList>
#include <functional>

#include "catalogue/CommandContext.h"

namespace catalogue {

enum SelectItem {
  SelectAll = 0,
  SelectNone = 1,
  InvertSelection = 2,
  AllOfThisType = 4,
  NoneOfThisType = 5,
  AllInThisPath = 7,
  NoneInThisPath = 8,
  SmallerThanThis = 10,
  BiggerThanThis = 11,
};

// Runs the Select command of menu index `item` with the highlighted rows (0-based) as
// references, showing progress and honouring Stop. The parts counted before no longer
// stand: the caller clears what shows them.
void mnuselitem_Click(const CommandContext& context, int item, const QList<int>& highlighted);

// "Clear the files": empties the lower list; the files stay on disk.
void mnuclear_Click(Catalogue& catalogue);

}  // namespace catalogue
