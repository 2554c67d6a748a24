// The batch search: fit searches one after the other until no candidate is left, each
// result written to its own numbered list file.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "catalogue/CommandContext.h"
#include "search/Limit.h"
#include "search/SearchView.h"

namespace search {

struct BatchServices {
  std::function<QString()> askName;                   // the save dialog; empty when cancelled
  std::function<QString(const QString& path)> saveList;  // writes the lower list; why it could not, or empty
  // The names of the files in `folder` that `pick` takes; none when it cannot be read.
  std::function<QStringList(const QString& folder, const std::function<bool(const QString&)>& pick)> listFolder;
  std::function<void(const QString& text, bool warning)> report;  // every message of the batch
};

// The path of one cycle. Only the file name is numbered, never a folder: every "." of it
// becomes " NNN." (the cycle number with at least three digits); a file name without "."
// gets " NNN" at its end.
QString cyclePath(const QString& name, int cycle);

// The cycle number that `listed` (a file name) carries as a list of the series of the
// file name `fileName`, or 0 when it belongs to no cycle of that series.
int seriesNumber(const QString& fileName, const QString& listed);

// The refusal of a batch method other than 0, 1 and 2, the method as the user wrote it.
QString unknownMethodText(const QString& method);

// Runs the batch of the method in the run state on the list name `listFile`, or on one
// asked for when it is empty. It writes nothing when the name has no file name, no upper
// row is checked or no checked file fits the capacity. It ends early, between cycles, on a
// stop request or on a list that cannot be written; the files of that list are checked
// again. Every batch ends with one report.
void batchSearch(const catalogue::CommandContext& context, SearchView& view, const BatchServices& services,
                 QString listFile, const Capacity& capacity);

}  // namespace search
