// Three dual feasible functions and their compositions: Martello and Toth's threshold map
// (small files weigh nothing, large ones a whole disc), Fekete and Schepers' u^(k) (sizes
// rounded down to k-ths of a disc after stretching by (k+1)/k) and Carlier, Clautiaux and
// Moukrim's map (sizes counted in steps of a parameter, doubled, large files by what they
// leave free). All work in whole numbers, each scaled to its own capacity, so nothing rounds.
// Every map grows with the size and takes few values, so a sum over the sorted sizes is one
// binary search per value taken.
#include "search/DualFeasibleBound.h"

#include <algorithm>

namespace search {

namespace {

using Wide = __int128;

// Few enough parameters for a bound in milliseconds; on the sets tried, more found nothing better.
constexpr std::size_t thresholdsTried = 16;
constexpr std::size_t stepsTried = 512;
constexpr qint64 mostK = 20;
constexpr qint64 finestStep = 64;
constexpr std::size_t stepThresholdsEvery = 8;

// The sum of a non-decreasing `map` over the sorted sizes, a run of equal values at a time.
template <typename Map>
Wide sumOver(const std::vector<qint64>& sorted, const Map& map) {
  Wide total = 0;
  auto from = sorted.begin();
  while (from != sorted.end()) {
    const Wide value = map(*from);
    const auto to = std::partition_point(from, sorted.end(), [&](qint64 size) { return map(size) <= value; });
    total += value * Wide(to - from);
    from = to;
  }
  return total;
}

qint64 discsFor(Wide total, Wide capacity) { return qint64((total + capacity - 1) / capacity); }

// Martello and Toth: below `threshold` nothing, above capacity - threshold the whole disc.
qint64 threshold(qint64 size, qint64 capacity, qint64 low) {
  if (size < low) return 0;
  return size > capacity - low ? capacity : size;
}

// Fekete and Schepers' u^(k), times k * capacity: a size that is a whole multiple of
// capacity/(k+1) keeps its share, any other is (k+1) times its share rounded down to whole k-ths.
Wide stretched(qint64 size, qint64 capacity, qint64 k) {
  const Wide scaled = Wide(k + 1) * size;
  return scaled % capacity == 0 ? Wide(k) * size : scaled / capacity * capacity;
}

// Carlier, Clautiaux and Moukrim's first map, on a disc of 2 * (capacity / step).
qint64 stepped(qint64 size, qint64 capacity, qint64 step) {
  if (2 * size > capacity) return 2 * (capacity / step - (capacity - size) / step);
  if (2 * size == capacity) return capacity / step;
  return 2 * (size / step);
}

// Up to `most` of the distinct values of the ascending `values` in [low, high], evenly spread
// from the least to the most.
std::vector<qint64> spread(const std::vector<qint64>& values, qint64 low, qint64 high, std::size_t most) {
  std::vector<qint64> distinct;
  for (auto it = std::lower_bound(values.begin(), values.end(), low); it != values.end() && *it <= high; ++it)
    if (distinct.empty() || distinct.back() != *it) distinct.push_back(*it);
  if (distinct.size() <= most) return distinct;
  std::vector<qint64> chosen;
  for (std::size_t i = 0; i < most; ++i) chosen.push_back(distinct[i * (distinct.size() - 1) / (most - 1)]);
  return chosen;
}

// Thresholds: none, and sizes of up to half a disc.
std::vector<qint64> thresholds(const std::vector<qint64>& sorted, qint64 capacity) {
  std::vector<qint64> chosen = spread(sorted, 1, capacity / 2, thresholdsTried);
  chosen.insert(chosen.begin(), 0);
  return chosen;
}

// Steps where a file's count changes: a small file's size, or what a large file leaves free.
// Finer steps than 1/finestStep of a disc would take too many values to sum.
std::vector<qint64> steps(const std::vector<qint64>& sorted, qint64 capacity) {
  const auto firstLarge = std::upper_bound(sorted.begin(), sorted.end(), capacity / 2);
  std::vector<qint64> candidates(sorted.begin(), firstLarge);
  for (auto it = sorted.end(); it != firstLarge;) candidates.push_back(capacity - *--it);
  std::inplace_merge(candidates.begin(), candidates.begin() + (firstLarge - sorted.begin()), candidates.end());
  return spread(candidates, std::max<qint64>(1, capacity / finestStep), capacity / 2, stepsTried);
}

}  // namespace

qint64 dualFeasibleBound(const std::vector<qint64>& sorted, qint64 capacity) {
  qint64 best = 0;
  const std::vector<qint64> lows = thresholds(sorted, capacity);
  const std::vector<qint64> stepsToTry = steps(sorted, capacity);
  for (std::size_t t = 0; t < lows.size(); ++t) {
    auto sized = [&](qint64 size) { return threshold(size, capacity, lows[t]); };
    for (qint64 k = 1; k <= mostK; ++k) {
      const Wide total = sumOver(sorted, [&](qint64 size) { return stretched(sized(size), capacity, k); });
      best = std::max(best, discsFor(total, Wide(k) * capacity));
    }
    // Stepped counts cost the most and rarely gain after a threshold: only every few are tried.
    if (t % stepThresholdsEvery != 0) continue;
    for (const qint64 step : stepsToTry) {
      const Wide total = sumOver(sorted, [&](qint64 size) { return stepped(sized(size), capacity, step); });
      best = std::max(best, discsFor(total, 2 * (capacity / step)));
    }
  }
  return best;
}

}  // namespace search
