// The best-fill plan as the window uses it: the checked upper files planned onto discs,
// with the progress frame and its Stop button shown while the plan is made, and the plan
// kept between best-fill searches so that each one serves its next disc.
#pragma once

#include <QStringList>
#include <vector>

#include "catalogue/CommandContext.h"
#include "search/FitSearch.h"
#include "search/SearchView.h"

namespace search {

// Discs as rows of the upper list, the fullest first, and the fewest discs possible.
struct PlannedRows {
  std::vector<std::vector<int>> discs;
  qint64 lowerBound = 0;
};

class PartMeasure;

// Plans `candidates` (units that each fit a disc as `measure` counts it) onto discs. The
// window keeps drawing meanwhile; a stop request ends the planning with the best plan found so
// far, which is still a plan of every candidate.
PlannedRows planParts(const catalogue::CommandContext& context, SearchView& view, const PartMeasure& measure,
                      const std::vector<Candidate>& candidates);

// The plan the best-fill search serves from. It stands for the checked upper files as
// they were when it was made or last served from: any other change to them (a check mark,
// an Add, a Remove), to the capacity or to how parts are counted and grouped makes the next
// search plan again; a sort does not,
// as the discs hold full paths.
struct ServedPlan {
  std::vector<QStringList> discs;
  size_t next = 0;
  quint64 checks = 0;
  qint64 capacity = -1;
  bool onDisc = false;    // the count and the grouping it was made with
  bool together = false;
  bool made = false;
  int plansMade = 0;  // how often the search planned, so that the reuse can be seen
};

// The Best-fill search command on discs of `capacity` bytes: the next disc of the plan
// into the lower list, as the fit search shows its part. Nothing happens while Search
// cannot be used; once every disc is served the lower list stays empty until the checked
// files change.
void bestFillSearch(const catalogue::CommandContext& context, SearchView& view, qint64 capacity, ServedPlan& plan);

}  // namespace search
