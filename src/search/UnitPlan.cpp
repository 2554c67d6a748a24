// The disc count's plan needs a margin for what folders and names cost beyond the least
// weights; one margin for every disc, taken from the costliest disc of a quick plan, keeps the
// plan additive (and so as good as a plan of bytes) while the final count keeps it honest.
#include "search/UnitPlan.h"

#include <algorithm>

#include "search/BestFill.h"
#include "search/DiscAssignment.h"
#include "search/FolderUnits.h"

namespace search {

namespace {

struct Unit {
  std::size_t begin, end;
  std::span<const Candidate> files(std::span<const Candidate> candidates) const {
    return candidates.subspan(begin, end - begin);
  }
};

// The discs the margin is measured on: enough to meet the costly kinds of disc, few enough
// that a plan of many discs does not count every file twice.
constexpr std::size_t discsMeasured = 64;

// The margin: the most a disc of `assignment` takes beyond the weights of its units, of a
// sample of its discs spread over the plan.
qint64 costliestMargin(std::span<const Candidate> candidates, const std::vector<Unit>& units,
                       const std::vector<qint64>& weights, const DiscAssignment& assignment,
                       const PartMeasure& measure) {
  std::vector<std::vector<std::size_t>> discs(assignment.discs());
  for (std::size_t unit = 0; unit < units.size(); ++unit) discs[std::size_t(assignment.discOf[unit])].push_back(unit);
  qint64 margin = 0;
  const std::size_t step = std::max<std::size_t>(1, discs.size() / discsMeasured);
  for (std::size_t d = 0; d < discs.size(); d += step) {
    const std::vector<std::size_t>& disc = discs[d];
    PartFill fill(measure);
    qint64 weight = 0;
    for (const std::size_t unit : disc)
      if (fill.take(units[unit].files(candidates))) weight += weights[unit];
    margin = std::max(margin, fill.size() - weight);
  }
  return margin;
}

// Every disc counted as it is written: a unit that does not fit after all moves to the first
// disc with room for it, or to a disc added at the end.
std::vector<std::vector<std::size_t>> keepWithinCapacity(std::span<const Candidate> candidates,
                                                         const std::vector<Unit>& units,
                                                         const std::vector<std::vector<int>>& planned,
                                                         const PartMeasure& measure) {
  std::vector<std::vector<std::size_t>> discs;
  std::vector<PartFill> fills;
  std::vector<std::size_t> moved;
  for (const std::vector<int>& disc : planned) {
    PartFill& fill = fills.emplace_back(measure);
    std::vector<std::size_t>& kept = discs.emplace_back();
    for (const int unit : disc)
      (fill.take(units[std::size_t(unit)].files(candidates)) ? kept : moved).push_back(std::size_t(unit));
  }
  for (const std::size_t unit : moved) {
    std::size_t disc = 0;
    while (disc < fills.size() && !fills[disc].take(units[unit].files(candidates))) ++disc;
    if (disc == fills.size()) {
      fills.emplace_back(measure).take(units[unit].files(candidates));
      discs.emplace_back();
    }
    discs[disc].push_back(unit);
  }
  return discs;
}

}  // namespace

UnitPlan planUnits(std::span<const Candidate> candidates, const PartMeasure& measure,
                   const std::function<bool()>& keepGoing) {
  std::vector<Unit> units;
  for (std::size_t begin = 0; begin < candidates.size();) {
    const std::size_t end = unitEnd(candidates, begin);
    units.push_back({begin, end});
    begin = end;
  }
  std::vector<qint64> weights;
  weights.reserve(units.size());
  qint64 heaviest = 0;
  for (const Unit& unit : units) {
    qint64 weight = 0;
    for (const Candidate& file : unit.files(candidates)) weight += measure.leastWeight(file);
    weights.push_back(weight);
    heaviest = std::max(heaviest, weight);
  }

  UnitPlan result;
  std::vector<std::vector<std::size_t>> discs;
  if (!measure.onDisc()) {
    const PackingPlan plan = planDiscs(weights, measure.capacity(), keepGoing);
    result.lowerBound = plan.lowerBound;
    result.stopped = plan.stopped;
    for (const std::vector<int>& disc : plan.discs) discs.emplace_back(disc.begin(), disc.end());
  } else {
    result.lowerBound = discLowerBound(weights, measure.planRoom());
    const DiscAssignment quick = bestFirstFit(weights, measure.planRoom(), result.lowerBound);
    const qint64 margin = costliestMargin(candidates, units, weights, quick, measure);
    const PackingPlan plan = planDiscs(weights, std::max(measure.capacity() - margin, heaviest), keepGoing);
    result.stopped = plan.stopped;
    discs = keepWithinCapacity(candidates, units, plan.discs, measure);
  }
  for (const std::vector<std::size_t>& disc : discs) {
    if (disc.empty()) continue;
    std::vector<std::size_t>& positions = result.discs.emplace_back();
    for (const std::size_t unit : disc)
      for (std::size_t at = units[unit].begin; at < units[unit].end; ++at) positions.push_back(at);
  }
  return result;
}

}  // namespace search
