// First-fit decreasing only, for now: the plan the improvement starts from.
#include "search/BestFill.h"

#include <algorithm>
#include <numeric>

namespace search {

qint64 discLowerBound(std::span<const qint64> sizes, qint64 capacity) {
  const qint64 total = std::accumulate(sizes.begin(), sizes.end(), qint64(0));
  return capacity > 0 ? (total + capacity - 1) / capacity : 0;
}

PackingPlan planDiscs(std::span<const qint64> sizes, qint64 capacity, const std::function<bool()>&, PackingEffort) {
  std::vector<int> order(sizes.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return sizes[a] > sizes[b]; });
  PackingPlan plan;
  std::vector<qint64> free;
  for (const int file : order) {
    std::size_t disc = 0;
    while (disc < free.size() && free[disc] < sizes[file]) ++disc;
    if (disc == free.size()) {
      free.push_back(capacity);
      plan.discs.emplace_back();
    }
    free[disc] -= sizes[file];
    plan.discs[disc].push_back(file);
  }
  std::vector<std::size_t> byFill(plan.discs.size());
  std::iota(byFill.begin(), byFill.end(), 0);
  std::stable_sort(byFill.begin(), byFill.end(), [&](std::size_t a, std::size_t b) { return free[a] < free[b]; });
  std::vector<std::vector<int>> sorted;
  for (const std::size_t d : byFill) sorted.push_back(std::move(plan.discs[d]));
  plan.discs = std::move(sorted);
  plan.lowerBound = discLowerBound(sizes, capacity);
  return plan;
}

}  // namespace search
