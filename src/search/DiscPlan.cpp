// The plan is keyed by the checked-set revision of the upper list rather than by its
// rows: a sort moves rows without touching the revision, and serving a disc unchecks its
// files, which the plan records as its own change.
#include "search/DiscPlan.h"

#include "platform/MessageTexts.h"
#include "search/FolderUnits.h"
#include "search/PartMeasure.h"
#include "search/UnitPlan.h"

namespace search {

PlannedRows planParts(const catalogue::CommandContext& c, SearchView& view, const PartMeasure& measure,
                      const std::vector<Candidate>& candidates) {
  c.run.stopflag = false;
  c.progress.begin(platform::text(platform::Msg::PlanningDiscs));
  view.planning(true);
  const auto keepGoing = [&c] {
    c.pump.pump();
    return !c.run.stopflag;
  };
  keepGoing();  // the frame shows before the first step, and a Stop there is heard
  const UnitPlan plan = planUnits(candidates, measure, keepGoing);
  c.progress.end();
  view.planning(false);
  PlannedRows rows;
  rows.lowerBound = plan.lowerBound;
  rows.discs.reserve(plan.discs.size());
  for (const std::vector<std::size_t>& disc : plan.discs) {
    std::vector<int>& part = rows.discs.emplace_back();
    part.reserve(disc.size());
    for (const std::size_t file : disc) part.push_back(candidates[file].row);
  }
  return rows;
}

void bestFillSearch(const catalogue::CommandContext& c, SearchView& view, qint64 capacity, ServedPlan& plan) {
  if (!view.searchEnabled()) return;
  const catalogue::FileList& upper = c.catalogue.lstmain();
  if (!plan.made || plan.checks != upper.checkRevision() || plan.capacity != capacity ||
      plan.onDisc != c.run.countAsOnDisc || plan.together != c.run.keepFoldersTogether) {
    std::vector<Candidate> candidates = checkedCandidates(upper);
    const PartMeasure measure = measureFor(c.run, capacity, upper, candidates);
    std::erase_if(candidates, [&measure](const Candidate& candidate) { return !measure.fitsAlone({&candidate, 1}); });
    formUnits(candidates, upper, measure, c.run.keepFoldersTogether, [&c] {
      c.pump.pump();
      return !c.run.stopflag;
    });
    plan = ServedPlan{{}, 0, 0, capacity, c.run.countAsOnDisc, c.run.keepFoldersTogether, true, plan.plansMade + 1};
    for (const std::vector<int>& disc : planParts(c, view, measure, candidates).discs) {
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
