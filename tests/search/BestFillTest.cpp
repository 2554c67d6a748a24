// The best-fill plan against an exact solver on small sets, and its promises on larger ones:
// every file once, no disc over capacity, never worse than first fit, the same plan every time,
// the bound on discs filled to the byte, a stop that keeps a valid plan, and the fullest disc first.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "search/BestFill.h"
#include "search/DualFeasibleBound.h"

namespace {

using Sizes = std::vector<qint64>;

// The fewest discs, by trying every file (largest first) in every open disc and in a new one.
qint64 fewestDiscs(Sizes sizes, qint64 capacity) {
  std::sort(sizes.rbegin(), sizes.rend());
  qint64 best = qint64(sizes.size());
  Sizes loads;
  const std::function<void(std::size_t)> place = [&](std::size_t file) {
    if (qint64(loads.size()) >= best) return;
    if (file == sizes.size()) {
      best = qint64(loads.size());
      return;
    }
    for (std::size_t d = 0; d < loads.size(); ++d)
      if (loads[d] + sizes[file] <= capacity) {
        loads[d] += sizes[file];
        place(file + 1);
        loads[d] -= sizes[file];
      }
    loads.push_back(sizes[file]);
    place(file + 1);
    loads.pop_back();
  };
  place(0);
  return best;
}

// First fit in list order, written out the plain quadratic way.
qint64 listOrderFirstFit(const Sizes& sizes, qint64 capacity) {
  Sizes loads;
  for (const qint64 size : sizes) {
    auto disc = std::find_if(loads.begin(), loads.end(), [&](qint64 load) { return load + size <= capacity; });
    disc == loads.end() ? loads.push_back(size) : void(*disc += size);
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
    EXPECT_GE(loads.empty() ? load : loads.back(), load) << "discs are not served fullest first";
    loads.push_back(load);
  }
  EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
  return loads;
}

const auto always = [] { return true; };

// On small random sets the plan is optimal and the bound never above the optimum.
TEST(BestFill, SmallSetsArePackedOptimally) {
  std::mt19937_64 random(20261207);
  struct Shape { qint64 capacity, low, high; };
  const Shape shapes[] = {{10, 1, 10}, {100, 20, 55}, {100, 25, 50}, {1000, 150, 520}, {736100352, 1, 736100352},
                          {100, 0, 40}, {12, 3, 7}};
  for (const Shape& shape : shapes)
    for (int round = 0; round < 40; ++round) {
      const Sizes sizes = randomSizes(random, 1 + random() % 12, shape.low, shape.high);
      const qint64 optimum = fewestDiscs(sizes, shape.capacity);
      const search::PackingPlan plan = search::planDiscs(sizes, shape.capacity, always);
      SCOPED_TRACE(::testing::PrintToString(sizes) + " in " + std::to_string(shape.capacity));
      checkedLoads(plan, sizes, shape.capacity);
      EXPECT_EQ(qint64(plan.discs.size()), optimum);
      EXPECT_EQ(plan.lowerBound, search::discLowerBound(sizes, shape.capacity));
      EXPECT_LE(plan.lowerBound, optimum);
      EXPECT_FALSE(plan.stopped);
    }
}

// The bounds from maps of the sizes alone, never above the optimum, on sets whose sizes sit
// around the thirds and quarters of a disc where those maps round.
TEST(BestFill, MappedSizesBoundNeverPassesTheOptimum) {
  std::mt19937_64 random(20261208);
  struct Shape { qint64 capacity, low, high; };
  const Shape shapes[] = {{13, 1, 13}, {17, 2, 12}, {24, 5, 13}, {100, 15, 55}, {30, 1, 30},
                          {736100352, 157286400, 545259520}};
  for (const Shape& shape : shapes)
    for (int round = 0; round < 150; ++round) {
      Sizes sizes = randomSizes(random, 1 + random() % 10, shape.low, shape.high);
      std::sort(sizes.begin(), sizes.end());
      SCOPED_TRACE(::testing::PrintToString(sizes) + " in " + std::to_string(shape.capacity));
      EXPECT_LE(search::dualFeasibleBound(sizes, shape.capacity), fewestDiscs(sizes, shape.capacity));
    }
}

// Each bound on a set where it alone is the strongest, and the edges of the sizes; the plan
// of each set is valid and optimal.
TEST(BestFill, LowerBoundTakesTheStrongestBound) {
  struct Case { const char* what; Sizes sizes; qint64 capacity, bound; };
  const Sizes thirteenThrees(13, 3);
  Sizes threesAndZeros = thirteenThrees;
  threesAndZeros.insert(threesAndZeros.end(), 5, 0);
  const Case cases[] = {
      {"nothing", {}, 10, 0}, {"zero-size files share one disc", {0, 0, 0}, 10, 1},
      {"zero-size files among full ones", {10, 0, 10}, 10, 2}, {"zero-size files beside others", {3, 0, 7, 0}, 10, 1},
      {"volume", {4, 4, 2, 2, 2, 2, 2, 1}, 10, 2}, {"two a disc at most", {4, 4, 4, 4, 4}, 10, 3},
      {"files of the capacity", {10, 10, 10}, 10, 3}, {"more than half each need a disc", {6, 6, 6}, 10, 3},
      {"exactly half share a disc", {5, 5, 5, 5}, 10, 2},
      {"L2 with a threshold from the sizes", {7, 7, 7, 4, 4, 4}, 10, 5},
      {"L2: small files fill the large ones' room", {7, 7, 3, 3}, 10, 2},
      {"three a disc at most", thirteenThrees, 10, 5}, {"zero-size files are no extra file", threesAndZeros, 10, 5},
      {"only one disc can hold three files", {41, 37, 23, 39, 50, 45, 36, 28}, 100, 4},
      {"byte sizes", {368050177, 368050176, 368050176}, 736100352, 2},
      // Only the maps of the sizes see these: each counts shares of a disc that L2 counts as bytes.
      {"sizes stretched to whole ninths of a disc", {3, 4, 4, 7, 8}, 13, 3},
      {"sizes counted in steps of the smallest", {4, 4, 5, 10, 10}, 17, 3},
      // Largest first fills 5+5+4+4 and 3+3+3+3+2+2+2 and needs a third disc for the last 2.
      {"two exactly full discs", {5, 4, 3, 3, 2, 2, 2, 3, 3, 2, 4, 5}, 19, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const qint64 optimum = fewestDiscs(c.sizes, c.capacity);
    EXPECT_EQ(search::discLowerBound(c.sizes, c.capacity), c.bound);
    EXPECT_LE(c.bound, optimum);
    const search::PackingPlan plan = search::planDiscs(c.sizes, c.capacity, always);
    checkedLoads(plan, c.sizes, c.capacity);
    EXPECT_EQ(qint64(plan.discs.size()), optimum);
  }
}

// Larger sets: valid, never worse than first fit, the same plan every time, and where the
// bound is reachable on discs of three, five or six files, the bound itself, which takes
// moves of more than two files on the fuller discs.
TEST(BestFill, LargerSetsBeatFirstFitAndRepeatThemselves) {
  struct Shape { qint64 capacity, low, high; std::size_t files; std::uint64_t seed; bool reachesBound; };
  const Shape shapes[] = {
      {1000, 200, 550, 300, 7, false}, {1000, 150, 200, 300, 8, false}, {736100352, 157286400, 545259520, 200, 9, false},
      {1000, 1, 1000, 250, 10, false}, {1000, 1, 30, 400, 12, false},   {1000, 150, 200, 400, 21, true},
      {1000, 150, 200, 400, 22, true}, {1000, 250, 500, 300, 23, true}};
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(shape.seed);
    std::mt19937_64 random(shape.seed);
    const Sizes sizes = randomSizes(random, shape.files, shape.low, shape.high);
    const search::PackingEffort effort = shape.reachesBound ? search::PackingEffort{} : search::PackingEffort{2'000'000, 3};
    const search::PackingPlan plan = search::planDiscs(sizes, shape.capacity, always, effort);
    checkedLoads(plan, sizes, shape.capacity);
    EXPECT_LE(qint64(plan.discs.size()), listOrderFirstFit(sizes, shape.capacity));
    Sizes largestFirst = sizes;
    std::sort(largestFirst.rbegin(), largestFirst.rend());
    EXPECT_LE(qint64(plan.discs.size()), listOrderFirstFit(largestFirst, shape.capacity));
    if (shape.reachesBound)
      EXPECT_EQ(qint64(plan.discs.size()), plan.lowerBound);
    else
      EXPECT_GE(qint64(plan.discs.size()), plan.lowerBound);
    EXPECT_EQ(search::planDiscs(sizes, shape.capacity, always, effort).discs, plan.discs);
  }
}

// Three files to a disc, each disc filled to the byte: the swaps leave a disc above the bound,
// which only a plan of nothing but exact fills reaches.
TEST(BestFill, ExactTripletsReachTheBound) {
  constexpr qint64 capacity = 736100352;
  for (const auto& [files, seed] : {std::pair{60, 1}, {120, 2}, {300, 3}}) {
    SCOPED_TRACE(files);
    std::mt19937_64 random(seed);
    Sizes sizes;
    while (int(sizes.size()) < files) {
      const qint64 large = randomSizes(random, 1, capacity * 38 / 100, capacity * 49 / 100).front();
      const qint64 middle = randomSizes(random, 1, capacity / 4, (capacity - large) / 2).front();
      sizes.insert(sizes.end(), {large, middle, capacity - large - middle});
    }
    std::shuffle(sizes.begin(), sizes.end(), random);
    // Less work for the swaps than by default, which they would spend in vain.
    const search::PackingEffort effort{300'000, 1};
    int polls = 0;
    const search::PackingPlan plan = search::planDiscs(sizes, capacity, [&] { return ++polls > 0; }, effort);
    checkedLoads(plan, sizes, capacity);
    EXPECT_EQ(plan.lowerBound, files / 3);
    EXPECT_EQ(qint64(plan.discs.size()), plan.lowerBound);
    // A stop at the last question, in the exact search on the larger sets, keeps the swaps' plan.
    int pollsLeft = polls - 1;
    const search::PackingPlan stopped = search::planDiscs(sizes, capacity, [&] { return pollsLeft-- > 0; }, effort);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(pollsLeft, -1) << "asked again after the stop";
    checkedLoads(stopped, sizes, capacity);
    EXPECT_EQ(qint64(stopped.discs.size()), plan.lowerBound + 1);
  }
}

// A stop keeps the best plan so far; with the bound reached at the start nobody is asked.
TEST(BestFill, StopKeepsAValidPlanAndAReachedBoundAsksNothing) {
  std::mt19937_64 random(11);
  const Sizes hard = randomSizes(random, 600, 250, 500);
  for (int pollsAllowed : {0, 1, 5}) {
    int polls = 0;
    const search::PackingPlan plan = search::planDiscs(hard, 1000, [&] { return ++polls <= pollsAllowed; });
    EXPECT_TRUE(plan.stopped);
    EXPECT_EQ(polls, pollsAllowed + 1) << "asked again after the stop";
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
