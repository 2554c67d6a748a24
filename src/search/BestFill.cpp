// The best-fill plan: the better first-fit plan, improved by the pool search within a budget of
// work unless it already reaches the lower bound, and by the exact search when a disc above it
// is left; then served fullest disc first.
#include "search/BestFill.h"

#include <algorithm>

#include "search/CompletionSearch.h"
#include "search/DiscAssignment.h"
#include "search/PoolSearch.h"
#include "search/WorkMeter.h"

namespace search {

namespace {

// Enough for a few thousand files to reach the bound when it can be reached, a fraction of a
// second of a Release build; small sets get little, so they never wait for a search in vain.
std::uint64_t defaultWork(std::size_t files) {
  constexpr std::uint64_t perFile = 75000;
  constexpr std::uint64_t most = 200'000'000;
  return std::min<std::uint64_t>(most, std::max<std::uint64_t>(100000, files * perFile));
}

// The exact search's share: on sets of three files a disc, each filled to the byte, it finds the
// plan in a fifth to a half of a step per pair of files up to a few thousand files; when it finds
// none it costs a few hundredths of the pool search's work.
std::uint64_t exactWork(std::size_t files) {
  constexpr std::uint64_t least = 100000;
  return std::max<std::uint64_t>(least, std::uint64_t(files) * files);
}

// An attempt at saving a disc that finds nothing in this share of the work gives way to another.
constexpr std::uint64_t attempts = 8;

// Discs fullest first; equal loads in the order of their first file. Files in list order.
std::vector<std::vector<int>> servingOrder(const DiscAssignment& plan) {
  std::vector<std::vector<int>> discs(plan.discs());
  for (std::size_t file = 0; file < plan.discOf.size(); ++file) discs[plan.discOf[file]].push_back(int(file));
  std::vector<std::size_t> order(discs.size());
  for (std::size_t d = 0; d < order.size(); ++d) order[d] = d;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (plan.loads[a] != plan.loads[b]) return plan.loads[a] > plan.loads[b];
    return discs[a].front() < discs[b].front();
  });
  std::vector<std::vector<int>> served;
  served.reserve(discs.size());
  for (const std::size_t d : order) served.push_back(std::move(discs[d]));
  return served;
}

}  // namespace

PackingPlan planDiscs(std::span<const qint64> sizes, qint64 capacity, const std::function<bool()>& keepGoing,
                      PackingEffort effort) {
  PackingPlan plan;
  plan.lowerBound = discLowerBound(sizes, capacity);
  DiscAssignment assignment = bestFirstFit(sizes, capacity, plan.lowerBound);
  if (qint64(assignment.discs()) > plan.lowerBound) {
    const std::uint64_t work = effort.work ? effort.work : defaultWork(sizes.size());
    WorkMeter meter(work, keepGoing);
    improveByPool(sizes, capacity, plan.lowerBound, assignment, meter, std::max<std::uint64_t>(work / attempts, 1),
                  effort.seed);
    plan.stopped = meter.stopped();
    // A disc above the bound is where the swaps most often miss a plan that fills discs to the byte.
    if (!plan.stopped && qint64(assignment.discs()) == plan.lowerBound + 1) {
      WorkMeter exact(exactWork(sizes.size()), keepGoing);
      if (std::optional<DiscAssignment> packed = packOnto(sizes, capacity, plan.lowerBound, exact))
        assignment = std::move(*packed);
      plan.stopped = exact.stopped();
    }
  }
  plan.discs = servingOrder(assignment);
  return plan;
}

}  // namespace search
