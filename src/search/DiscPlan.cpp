// The plan is keyed by the checked-set revision of the upper list rather than by its
// rows: a sort moves rows without touching the revision, and serving a disc unchecks its
// files, which the plan records as its own change.
#include "search/DiscPlan.h"

#include "search/BestFill.h"

namespace search {

PlannedRows planParts(const catalogue::CommandContext& c, SearchView& view, qint64 capacity,
                      const std::vector<Candidate>& candidates) {
  c.run.stopflag = false;
  c.progress.begin(QStringLiteral("Planning discs"));
  view.planning(true);
  const auto keepGoing = [&c] {
    c.pump.pump();
    return !c.run.stopflag;
  };
  keepGoing();  // the frame shows before the first step, and a Stop there is heard
  std::vector<qint64> sizes;
  sizes.reserve(candidates.size());
  for (const Candidate& candidate : candidates) sizes.push_back(candidate.size);
  const PackingPlan plan = planDiscs(sizes, capacity, keepGoing);
  c.progress.end();
  view.planning(false);
  PlannedRows rows;
  rows.lowerBound = plan.lowerBound;
  rows.discs.reserve(plan.discs.size());
  for (const std::vector<int>& disc : plan.discs) {
    std::vector<int>& part = rows.discs.emplace_back();
    part.reserve(disc.size());
    for (const int file : disc) part.push_back(candidates[size_t(file)].row);
  }
  return rows;
}

void bestFillSearch(const catalogue::CommandContext& c, SearchView& view, qint64 capacity, ServedPlan& plan) {
  if (!view.searchEnabled()) return;
  const catalogue::FileList& upper = c.catalogue.lstmain();
  if (!plan.made || plan.checks != upper.checkRevision() || plan.capacity != capacity) {
    std::vector<Candidate> candidates = checkedCandidates(upper);
    std::erase_if(candidates, [capacity](const Candidate& candidate) { return candidate.size > capacity; });
    plan = ServedPlan{{}, 0, 0, capacity, true, plan.plansMade + 1};
    for (const std::vector<int>& disc : planParts(c, view, capacity, candidates).discs) {
      QStringList& paths = plan.discs.emplace_back();
      for (const int row : disc) paths.append(upper.fullPath(row));
    }
  }
  std::vector<int> rows;
  if (plan.next < plan.discs.size())
    for (const QString& path : plan.discs[plan.next++])
      if (const int row = c.catalogue.getfilenum(path)) rows.push_back(row - 1);
  servePart(c, view, rows);
  plan.checks = upper.checkRevision();
}

}  // namespace search
