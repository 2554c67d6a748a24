// Lower bounds on the number of discs. Every bound works on the sorted positive sizes with
// prefix sums, so a million files cost one sort.
#include <algorithm>
#include <numeric>

#include "search/BestFill.h"
#include "search/DualFeasibleBound.h"

namespace search {

namespace {

qint64 ceilDiv(qint64 a, qint64 b) { return a <= 0 ? 0 : (a + b - 1) / b; }

// Martello and Toth's L2: for a threshold K, files above C-K sit alone, files above C/2 each
// open a disc whose free space is the only room for files of K..C/2 besides new discs.
// Only the sizes themselves (and 0) can change the value, so they are the thresholds tried.
qint64 martelloTothL2(const std::vector<qint64>& sorted, const std::vector<qint64>& prefix, qint64 capacity) {
  const auto firstLarge = std::upper_bound(sorted.begin(), sorted.end(), capacity / 2) - sorted.begin();
  const qint64 large = qint64(sorted.size()) - firstLarge;
  auto sumOf = [&](std::ptrdiff_t from, std::ptrdiff_t to) { return prefix[to] - prefix[from]; };
  qint64 best = 0;
  auto tryThreshold = [&](qint64 threshold) {
    const auto firstSmall = std::lower_bound(sorted.begin(), sorted.begin() + firstLarge, threshold) - sorted.begin();
    const auto endShared = std::upper_bound(sorted.begin() + firstLarge, sorted.end(), capacity - threshold) - sorted.begin();
    const qint64 sharedFree = qint64(endShared - firstLarge) * capacity - sumOf(firstLarge, endShared);
    best = std::max(best, large + ceilDiv(sumOf(firstSmall, firstLarge) - sharedFree, capacity));
  };
  tryThreshold(0);
  for (std::ptrdiff_t i = 0; i < firstLarge; ++i)
    if (i == 0 || sorted[i] != sorted[i - 1]) tryThreshold(sorted[i]);
  return best;
}

// The cardinality-volume bound. If t discs each hold k files or more, k files of each weigh at
// least the k*t smallest together and at most t discs' worth, so at most b_k discs (the largest
// such t) hold k files or more. Counting every file once per rank on its disc gives
// files = sum over k of #(discs holding k or more) <= sum over k of min(discs, b_k).
// It is never weaker than "no disc holds more files than the smallest ones that fit together".
qint64 cardinalityBound(const std::vector<qint64>& prefix, qint64 capacity) {
  const auto files = qint64(prefix.size()) - 1;
  // prefix[k*t] - t*capacity grows by (the next k sizes - capacity) per step of t, which only
  // grows, so the t that fit form a range from 0 and the largest is found by bisection.
  std::vector<qint64> atLeast;  // b_k for k = 1, 2, ... while some disc can hold k files
  for (qint64 k = 1; k <= files && prefix[k] <= capacity; ++k) {
    qint64 low = 1;
    qint64 high = files / k;
    while (low < high) {
      const qint64 t = low + (high - low + 1) / 2;
      if (prefix[k * t] <= t * capacity)
        low = t;
      else
        high = t - 1;
    }
    atLeast.push_back(low);
  }
  auto counted = [&](qint64 discs) {
    qint64 total = 0;
    for (const qint64 b : atLeast) total += std::min(discs, b);
    return total;
  };
  if (atLeast.empty()) return files;
  qint64 low = 1;
  qint64 high = files;
  while (low < high) {
    const qint64 discs = low + (high - low) / 2;
    if (counted(discs) >= files)
      high = discs;
    else
      low = discs + 1;
  }
  return low;
}

}  // namespace

qint64 discLowerBound(std::span<const qint64> sizes, qint64 capacity) {
  std::vector<qint64> sorted;
  for (const qint64 size : sizes)
    if (size > 0) sorted.push_back(size);
  // Zero-size files need a disc to be listed on, but share it with anything.
  if (sorted.empty()) return sizes.empty() ? 0 : 1;
  if (capacity <= 0) return qint64(sorted.size());
  std::sort(sorted.begin(), sorted.end());
  std::vector<qint64> prefix(sorted.size() + 1, 0);
  std::partial_sum(sorted.begin(), sorted.end(), prefix.begin() + 1);
  const qint64 volume = ceilDiv(prefix.back(), capacity);
  return std::max({volume, martelloTothL2(sorted, prefix, capacity), cardinalityBound(prefix, capacity),
                   dualFeasibleBound(sorted, capacity)});
}

}  // namespace search
