// The best-fill plan against an exact solver on small sets, and its promises on larger ones:
// every file once, no disc over capacity, never worse than first fit, the same plan every time,
// a stop that keeps a valid plan, and the fullest disc first.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "search/BestFill.h"

namespace {

using Sizes = std::vector<qint64>;

// The fewest discs, by trying every file (largest first) in every open disc and in a new one.
class ExactPacking {
 public:
  ExactPacking(Sizes sizes, qint64 capacity) : sizes_(std::move(sizes)), capacity_(capacity) {
    std::sort(sizes_.rbegin(), sizes_.rend());
    best_ = qint64(sizes_.size());
  }
  qint64 discs() {
    if (sizes_.empty()) return 0;
    place(0);
    return best_;
  }

 private:
  void place(std::size_t file) {
    if (qint64(loads_.size()) >= best_) return;
    if (file == sizes_.size()) {
      best_ = qint64(loads_.size());
      return;
    }
    for (std::size_t d = 0; d < loads_.size(); ++d)
      if (loads_[d] + sizes_[file] <= capacity_) {
        loads_[d] += sizes_[file];
        place(file + 1);
        loads_[d] -= sizes_[file];
      }
    loads_.push_back(sizes_[file]);
    place(file + 1);
    loads_.pop_back();
  }
  Sizes sizes_;
  qint64 capacity_;
  qint64 best_;
  Sizes loads_;
};

// First fit in list order, written out the plain quadratic way.
qint64 listOrderFirstFit(const Sizes& sizes, qint64 capacity) {
  Sizes loads;
  for (const qint64 size : sizes) {
    auto disc = std::find_if(loads.begin(), loads.end(), [&](qint64 load) { return load + size <= capacity; });
    if (disc == loads.end())
      loads.push_back(size);
    else
      *disc += size;
  }
  return qint64(loads.size());
}

Sizes randomSizes(std::mt19937_64& random, std::size_t count, qint64 low, qint64 high) {
  Sizes sizes(count);
  for (qint64& size : sizes) size = low + qint64(random() % std::uint64_t(high - low + 1));
  return sizes;
}

// Every file in exactly one disc, no disc over capacity, the fullest disc first; the loads.
Sizes checkedLoads(const search::PackingPlan& plan, const Sizes& sizes, qint64 capacity) {
  std::vector<int> seen(sizes.size(), 0);
  Sizes loads;
  for (const auto& disc : plan.discs) {
    EXPECT_FALSE(disc.empty());
    qint64 load = 0;
    for (const int file : disc) {
      EXPECT_TRUE(file >= 0 && std::size_t(file) < sizes.size());
      ++seen[file];
      load += sizes[file];
    }
    EXPECT_LE(load, capacity);
    if (!loads.empty()) {
      EXPECT_GE(loads.back(), load) << "discs are not served fullest first";
    }
    loads.push_back(load);
  }
  EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
  return loads;
}

const auto always = [] { return true; };

// On small random sets the plan is optimal and the bound never above the optimum.
TEST(BestFill, SmallSetsArePackedOptimally) {
  std::mt19937_64 random(20261207);
  struct Shape {
    qint64 capacity, low, high;
  };
  const Shape shapes[] = {{10, 1, 10}, {100, 20, 55}, {100, 25, 50}, {1000, 150, 520}, {736100352, 1, 736100352},
                          {100, 0, 40}, {12, 3, 7}};
  for (const Shape& shape : shapes)
    for (int round = 0; round < 40; ++round) {
      const Sizes sizes = randomSizes(random, 1 + random() % 12, shape.low, shape.high);
      const qint64 optimum = ExactPacking(sizes, shape.capacity).discs();
      const search::PackingPlan plan = search::planDiscs(sizes, shape.capacity, always);
      SCOPED_TRACE(::testing::PrintToString(sizes) + " in " + std::to_string(shape.capacity));
      checkedLoads(plan, sizes, shape.capacity);
      EXPECT_EQ(qint64(plan.discs.size()), optimum);
      EXPECT_LE(search::discLowerBound(sizes, shape.capacity), optimum);
      EXPECT_EQ(plan.lowerBound, search::discLowerBound(sizes, shape.capacity));
      EXPECT_FALSE(plan.stopped);
    }
}

// Each bound on a set where it alone is the strongest, and the edges of the sizes.
TEST(BestFill, LowerBoundTakesTheStrongestBound) {
  struct Case {
    const char* what;
    Sizes sizes;
    qint64 capacity, bound;
  };
  const Sizes thirteenThrees(13, 3);
  Sizes threesAndZeros = thirteenThrees;
  threesAndZeros.insert(threesAndZeros.end(), 5, 0);
  const Case cases[] = {
      {"nothing", {}, 10, 0},
      {"zero-size files share one disc", {0, 0, 0}, 10, 1},
      {"volume", {4, 4, 2, 2, 2, 2, 2, 1}, 10, 2},
      {"two a disc at most", {4, 4, 4, 4, 4}, 10, 3},
      {"files of the capacity", {10, 10, 10}, 10, 3},
      {"more than half each need a disc", {6, 6, 6}, 10, 3},
      {"exactly half share a disc", {5, 5, 5, 5}, 10, 2},
      {"L2 with a threshold from the sizes", {7, 7, 7, 4, 4, 4}, 10, 5},
      {"L2: small files fill the large ones' room", {7, 7, 3, 3}, 10, 2},
      {"three a disc at most", thirteenThrees, 10, 5},
      {"zero-size files are no extra file", threesAndZeros, 10, 5},
      {"only one disc can hold three files", {41, 37, 23, 39, 50, 45, 36, 28}, 100, 4},
      {"byte sizes", {368050177, 368050176, 368050176}, 736100352, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(search::discLowerBound(c.sizes, c.capacity), c.bound) << c.what;
    EXPECT_LE(c.bound, ExactPacking(c.sizes, c.capacity).discs()) << c.what;
  }
}

// Edge cases of the plan itself: no files, zero-size files, files of exactly the capacity.
TEST(BestFill, EdgeCasesGiveValidPlans) {
  struct Case {
    Sizes sizes;
    std::size_t discs;
  };
  const Case cases[] = {{{}, 0}, {{0}, 1}, {{0, 0, 0}, 1}, {{10, 0, 10}, 2}, {{10, 10, 10, 10}, 4}, {{3, 0, 7, 0}, 1}};
  for (const Case& c : cases) {
    const search::PackingPlan plan = search::planDiscs(c.sizes, 10, always);
    EXPECT_EQ(plan.discs.size(), c.discs) << ::testing::PrintToString(c.sizes);
    checkedLoads(plan, c.sizes, 10);
  }
}

// Larger sets: valid, never worse than list-order first fit, and the same plan every time.
TEST(BestFill, LargerSetsBeatFirstFitAndRepeatThemselves) {
  std::mt19937_64 random(7);
  struct Shape {
    qint64 capacity, low, high;
    std::size_t files;
  };
  const Shape shapes[] = {{1000, 200, 550, 300}, {1000, 250, 500, 300}, {1000, 150, 200, 300},
                          {736100352, 157286400, 545259520, 200}, {1000, 1, 1000, 250}, {1000, 1, 30, 400}};
  for (const Shape& shape : shapes) {
    const Sizes sizes = randomSizes(random, shape.files, shape.low, shape.high);
    const search::PackingEffort effort{2'000'000, 3};
    const search::PackingPlan plan = search::planDiscs(sizes, shape.capacity, always, effort);
    checkedLoads(plan, sizes, shape.capacity);
    EXPECT_LE(qint64(plan.discs.size()), listOrderFirstFit(sizes, shape.capacity));
    Sizes largestFirst = sizes;
    std::sort(largestFirst.rbegin(), largestFirst.rend());
    EXPECT_LE(qint64(plan.discs.size()), listOrderFirstFit(largestFirst, shape.capacity));
    EXPECT_GE(qint64(plan.discs.size()), plan.lowerBound);
    EXPECT_EQ(search::planDiscs(sizes, shape.capacity, always, effort).discs, plan.discs);
  }
}

// The search does better than largest first where largest first leaves room.
TEST(BestFill, ImprovesOnLargestFirst) {
  // Largest first fills 5+5+4+4 and 3+3+3+3+2+2+2 and needs a third disc for the last 2;
  // the 38 bytes fit two discs of 19 exactly.
  const Sizes sizes = {5, 4, 3, 3, 2, 2, 2, 3, 3, 2, 4, 5};
  const qint64 capacity = 19;
  Sizes largestFirst = sizes;
  std::sort(largestFirst.rbegin(), largestFirst.rend());
  const search::PackingPlan plan = search::planDiscs(sizes, capacity, always);
  ASSERT_GT(listOrderFirstFit(largestFirst, capacity), ExactPacking(sizes, capacity).discs());
  EXPECT_EQ(qint64(plan.discs.size()), ExactPacking(sizes, capacity).discs());
}

// A stop keeps the best plan so far; with the bound reached at the start nobody is asked.
TEST(BestFill, StopKeepsAValidPlanAndAReachedBoundAsksNothing) {
  std::mt19937_64 random(11);
  const Sizes hard = randomSizes(random, 600, 250, 500);
  for (int pollsAllowed : {0, 1, 5}) {
    int polls = 0;
    bool askedAfterStop = false;
    const search::PackingPlan plan = search::planDiscs(hard, 1000, [&] {
      askedAfterStop = askedAfterStop || polls > pollsAllowed;
      return ++polls <= pollsAllowed;
    });
    EXPECT_TRUE(plan.stopped);
    EXPECT_EQ(polls, pollsAllowed + 1);
    EXPECT_FALSE(askedAfterStop);
    checkedLoads(plan, hard, 1000);
    EXPECT_LE(qint64(plan.discs.size()), listOrderFirstFit(hard, 1000));
  }
  const Sizes easy = randomSizes(random, 5000, 1, 20);
  int polls = 0;
  const search::PackingPlan plan = search::planDiscs(easy, 1000, [&] { return ++polls > 0; });
  EXPECT_EQ(qint64(plan.discs.size()), plan.lowerBound);
  EXPECT_EQ(polls, 0);
  EXPECT_FALSE(plan.stopped);
}

// Sets whose discs hold five or six files, or three, where the bound is reachable: the search
// gets there, which takes moves of more than two files on the fuller discs.
TEST(BestFill, ReachesTheBoundWhereDiscsHoldManyFiles) {
  struct Shape {
    qint64 low, high;
    std::size_t files;
    std::uint64_t seed;
  };
  const Shape shapes[] = {{150, 200, 400, 21}, {150, 200, 400, 22}, {250, 500, 300, 23}};
  for (const Shape& shape : shapes) {
    std::mt19937_64 random(shape.seed);
    const Sizes sizes = randomSizes(random, shape.files, shape.low, shape.high);
    const search::PackingPlan plan = search::planDiscs(sizes, 1000, always);
    checkedLoads(plan, sizes, 1000);
    EXPECT_EQ(qint64(plan.discs.size()), plan.lowerBound) << shape.low << "-" << shape.high << " seed " << shape.seed;
  }
}

// Equal loads keep a fixed order: the disc whose first file comes first in the list.
TEST(BestFill, EqualDiscsComeInListOrder) {
  const Sizes sizes = {6, 6, 6, 4, 4, 4};
  const search::PackingPlan plan = search::planDiscs(sizes, 10, always);
  ASSERT_EQ(plan.discs.size(), 3u);
  for (const auto& disc : plan.discs) ASSERT_EQ(disc.size(), 2u);
  EXPECT_LT(plan.discs[0].front(), plan.discs[1].front());
  EXPECT_LT(plan.discs[1].front(), plan.discs[2].front());
}

}  // namespace
