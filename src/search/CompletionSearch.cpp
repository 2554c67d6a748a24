// Bin completion: the discs are filled one after another, each starting with the largest file
// left, by each set of further files that leaves no room for any file left out (adding a file
// never hurts a plan) and wastes no more than the plan can still afford, the room of its discs
// less the bytes of its files. A set that leaves out a file of the same size as one it takes is
// the same set again and is not tried. Files are tried largest first, so the first set a disc
// gets is the fullest in that order and a plan that wastes nothing rarely needs to go back.
#include "search/CompletionSearch.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace search {

namespace {

using Wide = __int128;

// The search goes one call deeper for every file it places; beyond this many files it would
// seldom end within its work anyway.
constexpr std::size_t mostFiles = 6000;

class CompletionSearch {
 public:
  CompletionSearch(std::span<const qint64> sizes, qint64 capacity, qint64 discs, WorkMeter& meter)
      : capacity_(capacity), discs_(discs), meter_(meter) {
    for (std::size_t file = 0; file < sizes.size(); ++file)
      if (sizes[file] > 0) order_.push_back(int(file));
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return sizes[a] > sizes[b]; });
    for (const int file : order_) sizes_.push_back(sizes[file]);
    used_.assign(order_.size(), 0);
    discOf_.assign(order_.size(), -1);
  }

  // True once every file has a disc, no more than `discs` of them.
  bool run() {
    if (sizes_.empty()) return true;
    const Wide slack = Wide(discs_) * capacity_ - std::accumulate(sizes_.begin(), sizes_.end(), Wide(0));
    smallest_ = sizes_.back();
    // With as much to spare as the smallest file, the waste rules out little beyond the fillings
    // a disc could add to, and the search would go through nearly all the rest: it is left to
    // sets whose discs must be all but full.
    if (slack < 0 || slack >= smallest_ || sizes_.front() > capacity_) return false;
    return openDisc(0, qint64(slack));
  }

  // The plan found: every file's disc (zero-size files on the first) and the discs' loads.
  DiscAssignment plan(std::size_t files) const {
    DiscAssignment plan;
    plan.discOf.assign(files, 0);
    plan.loads.assign(std::max<std::size_t>(opened_, 1), 0);
    for (std::size_t at = 0; at < order_.size(); ++at) {
      plan.discOf[std::size_t(order_[at])] = discOf_[at];
      plan.loads[std::size_t(discOf_[at])] += sizes_[at];
    }
    return plan;
  }

 private:
  bool charge(std::uint64_t steps) {
    if (!meter_.spend(steps)) aborted_ = true;
    return !aborted_;
  }

  void take(std::size_t at, int disc) {
    used_[at] = 1;
    discOf_[at] = disc;
  }

  // A new disc for the largest file left at `from` or later; `slack` bytes may still be wasted.
  bool openDisc(std::size_t from, qint64 slack) {
    std::size_t at = from;
    while (at < used_.size() && used_[at]) ++at;
    if (at == used_.size()) return true;
    if (!charge(1 + at - from)) return false;
    if (qint64(opened_) == discs_) return false;
    const int disc = int(opened_++);
    take(at, disc);
    if (complete(at + 1, capacity_ - sizes_[at], slack, slack, at + 1, disc)) return true;
    used_[at] = 0;
    --opened_;
    return false;
  }

  // Adds files at `from` or later to `disc`, which has `gap` bytes free and may end with no more
  // than `limit` free: the plan's slack, and less than every file the disc has left out.
  bool complete(std::size_t from, qint64 gap, qint64 limit, qint64 slack, std::size_t next, int disc) {
    const qint64 fitting = gap / smallest_;  // the most files the gap can still take
    const auto sizes = sizes_.begin();
    std::size_t at = std::size_t(std::partition_point(sizes + std::ptrdiff_t(from), sizes_.end(),
                                                      [gap](qint64 size) { return size > gap; }) - sizes);
    for (; at < sizes_.size(); ++at) {
      if (!charge(1)) return false;
      if (used_[at]) continue;
      const qint64 size = sizes_[at];
      // The files from here on are no larger: even the most that fit cannot fill the disc enough.
      if (Wide(fitting) * size < gap - limit) break;
      take(at, disc);
      if (complete(at + 1, gap - size, limit, slack, next, disc)) return true;
      used_[at] = 0;
      if (aborted_) return false;
      limit = std::min(limit, size - 1);
      while (at + 1 < sizes_.size() && sizes_[at + 1] == size) ++at;
    }
    return gap <= limit && openDisc(next, slack - gap);
  }

  std::vector<int> order_;      // the files of positive size, largest first
  std::vector<qint64> sizes_;   // their sizes
  std::vector<char> used_;
  std::vector<int> discOf_;
  qint64 capacity_;
  qint64 discs_;
  qint64 smallest_ = 1;
  std::size_t opened_ = 0;
  bool aborted_ = false;
  WorkMeter& meter_;
};

}  // namespace

std::optional<DiscAssignment> packOnto(std::span<const qint64> sizes, qint64 capacity, qint64 discs, WorkMeter& meter) {
  if (sizes.size() > mostFiles || discs <= 0 || capacity <= 0) return std::nullopt;
  CompletionSearch search(sizes, capacity, discs, meter);
  if (!search.run()) return std::nullopt;
  return search.plan(sizes.size());
}

}  // namespace search
