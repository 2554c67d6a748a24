// Sizes are tried largest first, starting from the greedy choice; leaving a size out also
// leaves out the equal sizes after it, which would only repeat the same sums.
#include "search/SubsetSearch.h"

#include <algorithm>
#include <numeric>

namespace search {

namespace {

class SubsetBranching {
 public:
  SubsetBranching(std::span<const qint64> sizes, qint64 capacity, std::uint64_t nodeLimit)
      : sizes_(sizes), capacity_(capacity), nodeLimit_(nodeLimit), order_(sizes.size()), rest_(sizes.size() + 1, 0) {
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return sizes[a] > sizes[b]; });
    for (std::size_t i = sizes.size(); i-- > 0;) rest_[i] = rest_[i + 1] + sizes[order_[i]];
    current_.taken.assign(sizes.size(), 0);
    best_.taken.assign(sizes.size(), 0);
  }

  SubsetChoice run() {
    for (const int i : order_)
      if (best_.sum + sizes_[i] <= capacity_) {
        best_.sum += sizes_[i];
        best_.taken[i] = 1;
      }
    branch(0, 0);
    best_.nodes = nodes_;
    return std::move(best_);
  }

 private:
  bool finished() const { return best_.sum == capacity_ || nodes_ >= nodeLimit_; }

  void branch(std::size_t depth, qint64 sum) {
    ++nodes_;
    if (sum > best_.sum) {
      best_.sum = sum;
      best_.taken = current_.taken;
    }
    if (depth == order_.size() || finished() || sum + rest_[depth] <= best_.sum) return;
    const int file = order_[depth];
    if (sum + sizes_[file] <= capacity_) {
      current_.taken[file] = 1;
      branch(depth + 1, sum + sizes_[file]);
      current_.taken[file] = 0;
      if (finished()) return;
    }
    std::size_t next = depth + 1;
    while (next < order_.size() && sizes_[order_[next]] == sizes_[file]) ++next;
    branch(next, sum);
  }

  std::span<const qint64> sizes_;
  qint64 capacity_;
  std::uint64_t nodeLimit_;
  std::uint64_t nodes_ = 0;
  std::vector<int> order_;
  std::vector<qint64> rest_;  // sum of the sizes from a depth on
  SubsetChoice current_;
  SubsetChoice best_;
};

}  // namespace

SubsetChoice heaviestSubset(std::span<const qint64> sizes, qint64 capacity, std::uint64_t nodeLimit) {
  return SubsetBranching(sizes, capacity, nodeLimit).run();
}

}  // namespace search
