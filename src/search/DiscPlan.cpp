// The plan is keyed by the checked-set revision of the upper list rather than by its
// rows: a sort moves rows without touching the revision, and serving a disc unchecks its
// files, which the plan records as its own change.
#include "search/DiscPlan.h"

#include "catalogue/ProgressFrame.h"
#include "catalogue/Utilization.h"
#include "search/BestFill.h"
#include "search/StopCommand.h"

namespace search {

namespace {

// The frame with the plan's own Stop button in front of the walk's.
void showPlanning(catalogue::Form& form) {
  catalogue::showProgress(form, QStringLiteral("Planning discs"));
  form(QStringLiteral("cmdstop")).visible = false;
  form(QStringLiteral("cmdstop2")).visible = true;
}

void endPlanning(catalogue::WindowContext& w) {
  catalogue::endProgress(w.form, [&w] { cmdstop_Click(w.form, w.catalogue, w.run); });
  w.form(QStringLiteral("cmdstop2")).visible = false;
  w.form(QStringLiteral("cmdstop")).visible = true;
}

}  // namespace

PlannedRows planParts(catalogue::WindowContext& w, const std::vector<Candidate>& candidates) {
  w.run.stopflag = false;
  showPlanning(w.form);
  const auto keepGoing = [&w] {
    w.pump.pump();
    return !w.run.stopflag;
  };
  keepGoing();  // the frame shows before the first step, and a Stop there is heard
  std::vector<qint64> sizes;
  sizes.reserve(candidates.size());
  for (const Candidate& c : candidates) sizes.push_back(c.size);
  const PackingPlan plan = planDiscs(sizes, qint64(catalogue::limitBytes(w.form)), keepGoing);
  endPlanning(w);
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

void bestFillSearch(catalogue::WindowContext& w, ServedPlan& plan) {
  const catalogue::Control* button = w.form.find(QStringLiteral("cmdsearch"));
  if (!button || !button->enabled) return;
  const catalogue::FileList& upper = w.catalogue.lstmain();
  const double limit = catalogue::limitBytes(w.form);
  if (!plan.made || plan.checks != upper.checkRevision() || plan.limit != limit) {
    std::vector<Candidate> candidates = checkedCandidates(upper);
    std::erase_if(candidates, [limit](const Candidate& c) { return double(c.size) > limit; });
    plan = ServedPlan{{}, 0, 0, limit, true, plan.plansMade + 1};
    for (const std::vector<int>& disc : planParts(w, candidates).discs) {
      QStringList& paths = plan.discs.emplace_back();
      for (const int row : disc) paths.append(upper.fullPath(row));
    }
  }
  std::vector<int> rows;
  if (plan.next < plan.discs.size())
    for (const QString& path : plan.discs[plan.next++])
      if (const int row = w.catalogue.getfilenum(path)) rows.push_back(row - 1);
  servePart(w, rows);
  plan.checks = upper.checkRevision();
}

}  // namespace search
