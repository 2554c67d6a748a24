// The fit search: one pass over the checked candidates in list order, taking every file
// that still fits on the medium into the lower list.
#pragma once

#include <span>
#include <vector>

#include "catalogue/CommandContext.h"
#include "search/SearchView.h"

namespace search {

// A checked upper row as the pass sees it: kept small, so that a batch of thousands of
// passes over the same rows stays in the cache.
struct Candidate {
  qint64 size;
  int row;
  int unit = 0;  // the files a search places together share it and stand side by side
};

// The checked upper rows, in list order, each a unit of its own.
std::vector<Candidate> checkedCandidates(const catalogue::FileList& upper);

class PartMeasure;

// The Search command on a medium of `capacity` bytes; nothing happens while the view says
// Search cannot be used.
void cmdsearch_Click(const catalogue::CommandContext& context, SearchView& view, qint64 capacity);

// The pass over `candidates` (the checked rows, in order, grouped into units) and all it
// shows: each unit is taken whole while it fits the disc as `measure` counts it. The rows it
// takes leave `candidates`; when it takes none the upper list is emptied, and so is
// `candidates`.
void fitSearch(const catalogue::CommandContext& context, SearchView& view, const PartMeasure& measure,
               std::vector<Candidate>& candidates);

// Shows `rows` of the upper list as the next part, whichever search chose them: the lower
// list holds their paths, they are unchecked above, and the totals, the utilization and
// (for a part that is not empty) the part counter follow.
void servePart(const catalogue::CommandContext& context, SearchView& view, std::span<const int> rows);

}  // namespace search
