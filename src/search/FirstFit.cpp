// The plans the improvement starts from. The free-space tree makes both O(n log n).
#include <algorithm>
#include <numeric>

#include "search/DiscAssignment.h"
#include "search/FreeSpaceTree.h"

namespace search {

DiscAssignment firstFit(std::span<const qint64> sizes, std::span<const int> order, qint64 capacity) {
  DiscAssignment plan;
  plan.discOf.assign(sizes.size(), 0);
  FreeSpaceTree tree(order.size(), capacity);
  for (const int file : order) {
    std::size_t disc = tree.firstWithRoom(sizes[file]);
    // A file larger than a disc (which callers should not pass) still gets a disc of its own.
    if (disc == tree.discs()) disc = plan.loads.size();
    if (disc == plan.loads.size()) plan.loads.push_back(0);
    if (disc < tree.discs()) tree.take(disc, std::min(sizes[file], capacity));
    plan.loads[disc] += sizes[file];
    plan.discOf[file] = int(disc);
  }
  return plan;
}

DiscAssignment bestFirstFit(std::span<const qint64> sizes, qint64 capacity, qint64 enough) {
  std::vector<int> order(sizes.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return sizes[a] > sizes[b]; });
  DiscAssignment largestFirst = firstFit(sizes, order, capacity);
  if (qint64(largestFirst.discs()) <= enough) return largestFirst;
  std::iota(order.begin(), order.end(), 0);
  DiscAssignment listOrder = firstFit(sizes, order, capacity);
  return listOrder.discs() < largestFirst.discs() ? std::move(listOrder) : std::move(largestFirst);
}

}  // namespace search
