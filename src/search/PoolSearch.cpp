// A pool search in the spirit of consistent-neighbourhood and minimum-slack methods: the files
// of the least-filled discs wait in a pool, and swaps of one or two files between the pool and
// the remaining discs fill those discs fuller, which shrinks the pool until it fits one disc
// fewer than it came from. Recently moved files are tabu for a few moves so that a swap is not
// undone at once; when no disc can be filled better, each disc is refilled with the heaviest
// subset of its own and the pool's files, and when even that fails a few random swaps that keep
// every disc within capacity move the search elsewhere.
#include "search/PoolSearch.h"

#include <algorithm>
#include <array>
#include <utility>

#include "search/SearchRandom.h"
#include "search/SubsetSearch.h"

namespace search {

namespace {

constexpr std::size_t discsEmptied = 3;         // the pool must fit two discs
constexpr std::size_t maxWorkingDiscs = 2048;   // the discs a pool search swaps with, least filled first
constexpr std::size_t maxFilesForPairs = 16;    // fuller discs only give single files to the pool
constexpr std::uint64_t subsetNodeLimit = 4000;
constexpr std::uint64_t tabuTenure = 1;
constexpr std::size_t tabuSpread = 4;           // plus a random share, so tenures do not fall in step
constexpr std::size_t kickSpread = 10;          // discs shaken out of a local optimum
// Local optima between two rounds of refills. Swaps of up to two files already reach every
// new filling of a disc of three or four files; fuller discs need the refill's larger moves
// often, as when every disc holds five or six files and a disc is saved by packing six.
constexpr std::size_t refillEvery = 4;
constexpr std::size_t filesReachedBySwaps = 4;
constexpr std::uint64_t refillNodeLimit = 500;

struct Disc {
  std::vector<int> items;
  qint64 load = 0;
};

struct Swap {
  std::size_t disc = 0;
  std::array<int, 2> out{-1, -1};  // files leaving the disc for the pool
  std::array<int, 2> in{-1, -1};   // pool files entering the disc
  qint64 gain = 0;                 // bytes the pool loses
  qint64 weightGain = 0;           // weight the pool loses
  bool found = false;

  // More bytes out of the pool first; on equal bytes, the lighter pool (see weightOf).
  bool betterThan(const Swap& other) const {
    return found && (!other.found || gain > other.gain || (gain == other.gain && weightGain > other.weightGain));
  }
};

class PoolSearch {
 public:
  PoolSearch(std::vector<qint64> sizes, std::vector<Disc> discs, const std::vector<int>& pool, qint64 capacity,
             std::size_t poolDiscs, WorkMeter& meter, std::uint64_t attemptEnd, SearchRandom& random)
      : sizes_(std::move(sizes)), discs_(std::move(discs)), capacity_(capacity), poolDiscs_(poolDiscs),
        meter_(meter), attemptEnd_(attemptEnd), random_(random), tabuUntil_(sizes_.size(), 0) {
    const std::size_t filesPerDisc = discs_.empty() ? 0 : (sizes_.size() - pool.size()) / discs_.size();
    refillEvery_ = filesPerDisc > filesReachedBySwaps ? 1 : refillEvery;
    weights_.reserve(sizes_.size());
    for (const qint64 size : sizes_) {
      const qint64 share = capacity_ > 0 ? qint64((__int128(size) << 16) / capacity_) : 0;
      weights_.push_back(share * share);
    }
    for (const int item : pool) addToPool(item);
  }

  // True when the pool fits its discs; false when the work ran out first.
  bool run() {
    if (poolFits()) return true;
    if (discs_.empty()) return false;
    std::size_t cursor = 0;
    std::size_t idle = 0;
    while (!exhausted_) {
      const Swap swap = bestSwap(cursor, false);
      if (swap.found) {
        apply(swap);
        idle = 0;
        if (poolFits()) return true;
      } else if (++idle >= discs_.size()) {
        bool refilled = false;
        if (++stuck_ % refillEvery_ == 0)
          for (std::size_t d = 0; d < discs_.size() && !exhausted_; ++d)
            if (refill(d)) {
              refilled = true;
              if (poolFits()) return true;
            }
        if (!refilled) kick();
        // Tabu runs on this clock too, so a pool of tabu files thaws even when nothing moves.
        ++clock_;
        idle = 0;
      }
      cursor = (cursor + 1) % discs_.size();
    }
    return false;
  }

  const std::vector<Disc>& discs() const { return discs_; }

  // The pool split into its discs (after run() returned true); empty discs are left out.
  std::vector<Disc> packPool() {
    std::vector<Disc> packed;
    std::vector<qint64> poolSizes = sizesOf(pool_);
    const SubsetChoice first = heaviestSubset(poolSizes, capacity_, subsetNodeLimit);
    Disc chosen;
    Disc rest;
    for (std::size_t i = 0; i < pool_.size(); ++i) {
      Disc& target = first.taken[i] ? chosen : rest;
      target.items.push_back(pool_[i]);
      target.load += poolSizes[i];
    }
    for (Disc* disc : {&chosen, &rest})
      if (!disc->items.empty()) packed.push_back(std::move(*disc));
    return packed;
  }

 private:
  void charge(std::uint64_t steps) {
    if (!meter_.spend(steps) || meter_.used() >= attemptEnd_) exhausted_ = true;
  }

  // The pool is weighed by the squares of its sizes (in 1/65536 of a disc): large files placed
  // and small ones left over make a pool that packs more easily than the same bytes in large files.
  qint64 sizeOf(std::array<int, 2> items) const {
    qint64 size = 0;
    for (const int item : items)
      if (item >= 0) size += sizes_[item];
    return size;
  }
  qint64 weightOf(std::array<int, 2> items) const {
    qint64 weight = 0;
    for (const int item : items)
      if (item >= 0) weight += weights_[item];
    return weight;
  }

  bool tabu(int item) const { return tabuUntil_[item] > clock_; }
  void makeTabu(int item) { tabuUntil_[item] = clock_ + tabuTenure + random_.below(tabuSpread); }

  std::vector<qint64> sizesOf(const std::vector<int>& items) const {
    std::vector<qint64> result;
    result.reserve(items.size());
    for (const int item : items) result.push_back(sizes_[item]);
    return result;
  }

  // The pool stays sorted by size (then by file), so the best fit for a gap is a binary search.
  bool poolOrder(int a, int b) const { return std::pair(sizes_[a], a) < std::pair(sizes_[b], b); }
  void addToPool(int item) {
    pool_.insert(std::lower_bound(pool_.begin(), pool_.end(), item, [&](int a, int b) { return poolOrder(a, b); }),
                 item);
    poolSum_ += sizes_[item];
  }
  void takeFromPool(int item) {
    pool_.erase(std::lower_bound(pool_.begin(), pool_.end(), item, [&](int a, int b) { return poolOrder(a, b); }));
    poolSum_ -= sizes_[item];
  }

  bool poolFits() {
    if (poolSum_ > qint64(poolDiscs_) * capacity_) return false;
    if (poolDiscs_ == 1) return true;
    const SubsetChoice first = heaviestSubset(sizesOf(pool_), capacity_, subsetNodeLimit);
    charge(first.nodes + pool_.size());
    return poolSum_ - first.sum <= capacity_;
  }

  // The largest pool file no larger than `space` that may move, or -1.
  int bestSingle(qint64 space) const {
    auto it = std::upper_bound(pool_.begin(), pool_.end(), space, [&](qint64 s, int item) { return s < sizes_[item]; });
    while (it != pool_.begin()) {
      --it;
      if (!tabu(*it)) return *it;
    }
    return -1;
  }

  // The two pool files of the largest sum no larger than `space` that may move.
  std::pair<int, int> bestPair(qint64 space) const {
    std::pair<int, int> best{-1, -1};
    qint64 bestSum = -1;
    std::size_t low = 0;
    std::size_t high = pool_.size();
    while (low + 1 < high) {
      if (tabu(pool_[low])) {
        ++low;
      } else if (tabu(pool_[high - 1])) {
        --high;
      } else if (const qint64 sum = sizes_[pool_[low]] + sizes_[pool_[high - 1]]; sum > space) {
        --high;
      } else {
        if (sum > bestSum) {
          bestSum = sum;
          best = {pool_[low], pool_[high - 1]};
        }
        ++low;
      }
    }
    return best;
  }

  void consider(std::size_t disc, std::array<int, 2> out, bool anyGain, Swap& best) const {
    const qint64 freed = sizeOf(out);
    const qint64 space = capacity_ - discs_[disc].load + freed;
    auto offer = [&](std::array<int, 2> in) {
      Swap candidate{disc, out, in, 0, 0, true};
      candidate.gain = sizeOf(in) - freed;
      candidate.weightGain = weightOf(in) - weightOf(out);
      const bool improves = candidate.gain > 0 || (candidate.gain == 0 && candidate.weightGain > 0);
      if ((anyGain || improves) && candidate.betterThan(best))
        best = candidate;
    };
    if (const int single = bestSingle(space); single >= 0) offer({single, -1});
    if (const auto [a, b] = bestPair(space); a >= 0) offer({a, b});
  }

  // The best swap for a disc that fills it better; with `anyGain`, the best feasible one.
  Swap bestSwap(std::size_t disc, bool anyGain) {
    movable_.clear();
    for (const int item : discs_[disc].items)
      if (!tabu(item)) movable_.push_back(item);
    const std::size_t pairs = movable_.size() <= maxFilesForPairs ? movable_.size() * (movable_.size() - 1) / 2 : 0;
    charge((1 + movable_.size() + pairs) * (pool_.size() + 1));
    Swap best;
    consider(disc, {-1, -1}, anyGain, best);
    for (std::size_t i = 0; i < movable_.size(); ++i) {
      consider(disc, {movable_[i], -1}, anyGain, best);
      if (pairs > 0)
        for (std::size_t j = i + 1; j < movable_.size(); ++j) consider(disc, {movable_[i], movable_[j]}, anyGain, best);
    }
    return best;
  }

  void move(Disc& disc, const std::vector<int>& out, const std::vector<int>& in) {
    for (const int item : out) {
      disc.items.erase(std::find(disc.items.begin(), disc.items.end(), item));
      disc.load -= sizes_[item];
      addToPool(item);
    }
    for (const int item : in) {
      takeFromPool(item);
      disc.items.push_back(item);
      disc.load += sizes_[item];
    }
    ++clock_;
    for (const int item : out) makeTabu(item);
    for (const int item : in) makeTabu(item);
  }

  void apply(const Swap& swap) {
    std::vector<int> out;
    std::vector<int> in;
    for (const int item : swap.out)
      if (item >= 0) out.push_back(item);
    for (const int item : swap.in)
      if (item >= 0) in.push_back(item);
    move(discs_[swap.disc], out, in);
  }

  // The disc's files and the pool's, the heaviest subset that fits the disc: no tabu file moves.
  bool refill(std::size_t d) {
    Disc& disc = discs_[d];
    qint64 fixed = 0;
    std::vector<int> candidates;
    for (const int item : disc.items) {
      if (tabu(item))
        fixed += sizes_[item];
      else
        candidates.push_back(item);
    }
    const std::size_t ownFiles = candidates.size();
    for (const int item : pool_)
      if (!tabu(item)) candidates.push_back(item);
    const SubsetChoice choice = heaviestSubset(sizesOf(candidates), capacity_ - fixed, refillNodeLimit);
    charge(choice.nodes + candidates.size());
    if (fixed + choice.sum <= disc.load) return false;
    std::vector<int> out;
    std::vector<int> in;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      if (i < ownFiles && !choice.taken[i]) out.push_back(candidates[i]);
      if (i >= ownFiles && choice.taken[i]) in.push_back(candidates[i]);
    }
    move(disc, out, in);
    return true;
  }

  // Out of a local optimum: the best feasible swap of a few random discs, even when it leaves
  // more in the pool; the tabu files keep the next swaps from undoing it.
  void kick() {
    const std::size_t kicks = 1 + random_.below(kickSpread);
    for (std::size_t k = 0; k < kicks && !exhausted_; ++k)
      if (const Swap swap = bestSwap(random_.below(discs_.size()), true); swap.found) apply(swap);
  }

  std::vector<qint64> sizes_;
  std::vector<Disc> discs_;
  std::vector<int> pool_;
  qint64 poolSum_ = 0;
  qint64 capacity_;
  std::size_t poolDiscs_;
  WorkMeter& meter_;
  std::uint64_t attemptEnd_;
  SearchRandom& random_;
  std::vector<std::uint64_t> tabuUntil_;
  std::vector<qint64> weights_;
  std::uint64_t clock_ = 0;
  std::vector<int> movable_;
  bool exhausted_ = false;
  std::uint64_t stuck_ = 0;
  std::size_t refillEvery_ = refillEvery;
};

// Renumbers the discs that still hold files, keeping their order.
void dropEmptyDiscs(DiscAssignment& plan, std::span<const int> used) {
  std::vector<int> renumbered(plan.discs(), -1);
  std::vector<qint64> loads;
  for (std::size_t d = 0; d < plan.discs(); ++d)
    if (used[d] > 0) {
      renumbered[d] = int(loads.size());
      loads.push_back(plan.loads[d]);
    }
  for (int& disc : plan.discOf) disc = renumbered[disc];
  plan.loads = std::move(loads);
}

// The discs whose files form the pool: the least filled at the first attempt, later a random
// choice among more of the least filled. Never more discs holding a file of over half a disc
// than the pool may fill, since no swap could ever make such a pool fit.
std::vector<int> discsToEmpty(std::span<const qint64> sizes, qint64 capacity, const DiscAssignment& plan,
                              const std::vector<int>& byLoad, std::size_t attempt, SearchRandom& random) {
  const std::size_t wanted = std::min(discsEmptied, plan.discs());
  std::vector<char> holdsLarge(plan.discs(), 0);
  for (std::size_t file = 0; file < sizes.size(); ++file)
    if (2 * sizes[file] > capacity) holdsLarge[plan.discOf[file]] = 1;
  std::vector<int> candidates(byLoad.begin(), byLoad.begin() + std::min(byLoad.size(), wanted + 2 * attempt));
  std::vector<int> chosen;
  std::size_t large = 0;
  while (chosen.size() < wanted && !candidates.empty()) {
    const std::size_t pick = chosen.empty() || attempt == 0 ? 0 : random.below(candidates.size());
    const int disc = candidates[pick];
    candidates.erase(candidates.begin() + std::ptrdiff_t(pick));
    if (holdsLarge[disc] && large + 1 >= wanted) continue;
    large += std::size_t(holdsLarge[disc]);
    chosen.push_back(disc);
  }
  return chosen;
}

// One attempt: the pool from a few of the least-filled discs, swaps with the next least filled.
bool saveOneDisc(std::span<const qint64> sizes, qint64 capacity, DiscAssignment& plan, WorkMeter& meter,
                 std::uint64_t attemptEnd, std::size_t attempt, SearchRandom& random) {
  const std::size_t discs = plan.discs();
  std::vector<int> byLoad(discs);
  for (std::size_t d = 0; d < discs; ++d) byLoad[d] = int(d);
  std::stable_sort(byLoad.begin(), byLoad.end(), [&](int a, int b) { return plan.loads[a] < plan.loads[b]; });
  const std::vector<int> emptiedDiscs = discsToEmpty(sizes, capacity, plan, byLoad, attempt, random);
  const std::size_t emptied = emptiedDiscs.size();
  if (emptied < 2) return false;
  constexpr int inPool = -2;
  std::vector<int> role(discs, -1);
  for (const int disc : emptiedDiscs) role[disc] = inPool;
  std::vector<int> working;
  for (std::size_t i = 0; i < discs && working.size() < maxWorkingDiscs; ++i)
    if (role[byLoad[i]] != inPool) {
      role[byLoad[i]] = int(working.size());
      working.push_back(byLoad[i]);
    }
  if (!meter.spend(sizes.size() + discs)) return false;

  std::vector<int> fileOf;  // the file of each item the search moves
  std::vector<qint64> itemSizes;
  std::vector<Disc> workingDiscs(working.size());
  std::vector<int> pool;
  for (std::size_t file = 0; file < sizes.size(); ++file) {
    const int r = role[plan.discOf[file]];
    if (r == -1) continue;
    const int item = int(fileOf.size());
    fileOf.push_back(int(file));
    itemSizes.push_back(sizes[file]);
    if (r == inPool) {
      pool.push_back(item);
    } else {
      workingDiscs[r].items.push_back(item);
      workingDiscs[r].load += sizes[file];
    }
  }
  PoolSearch search(std::move(itemSizes), std::move(workingDiscs), pool, capacity, emptied - 1, meter, attemptEnd,
                    random);
  if (!search.run()) return false;

  auto place = [&](const Disc& disc, int id) {
    plan.loads[id] = disc.load;
    for (const int item : disc.items) plan.discOf[fileOf[item]] = id;
  };
  for (std::size_t i = 0; i < working.size(); ++i) place(search.discs()[i], working[i]);
  const std::vector<Disc> packed = search.packPool();
  for (const int disc : emptiedDiscs) plan.loads[disc] = 0;
  for (std::size_t i = 0; i < packed.size(); ++i) place(packed[i], emptiedDiscs[i]);
  std::vector<int> used(discs, 0);
  for (const int disc : plan.discOf) ++used[disc];
  dropEmptyDiscs(plan, used);
  return true;
}

}  // namespace

void improveByPool(std::span<const qint64> sizes, qint64 capacity, qint64 bound, DiscAssignment& plan, WorkMeter& meter,
                   std::uint64_t attemptWork, std::uint64_t seed) {
  SearchRandom random(seed);
  std::size_t attempt = 0;
  while (qint64(plan.discs()) > bound && plan.discs() >= 2 && !meter.spent()) {
    if (saveOneDisc(sizes, capacity, plan, meter, meter.used() + attemptWork, attempt, random))
      attempt = 0;
    else
      ++attempt;
  }
}

}  // namespace search
