// The pieces the best-fill plan is built from, against plain reference code: the free-space
// tree's first disc with room, and the heaviest subset that fits.
#include <gtest/gtest.h>

#include <random>

#include "search/FreeSpaceTree.h"
#include "search/SubsetSearch.h"

namespace {

// Random takes and queries, each query compared with a scan from the left.
TEST(BestFillParts, FreeSpaceTreeFindsTheLeftmostDiscWithRoom) {
  std::mt19937_64 random(5);
  for (const std::size_t discs : {1u, 2u, 3u, 7u, 8u, 33u}) {
    search::FreeSpaceTree tree(discs, 100);
    std::vector<qint64> free(discs, 100);
    for (int step = 0; step < 400; ++step) {
      const qint64 size = qint64(random() % 101);
      std::size_t expected = 0;
      while (expected < discs && free[expected] < size) ++expected;
      ASSERT_EQ(tree.firstWithRoom(size), expected) << discs << " discs, size " << size;
      if (expected < discs) {
        const qint64 taken = std::min<qint64>(free[expected], qint64(random() % 60));
        tree.take(expected, taken);
        free[expected] -= taken;
      }
    }
  }
}

// All subsets of up to a dozen sizes give the heaviest sum that fits; the flags add up to it.
TEST(BestFillParts, HeaviestSubsetIsExactWithinItsNodeLimit) {
  std::mt19937_64 random(9);
  for (int round = 0; round < 200; ++round) {
    const std::size_t count = random() % 13;
    std::vector<qint64> sizes(count);
    for (qint64& size : sizes) size = 1 + qint64(random() % 50);
    const qint64 capacity = qint64(random() % 150);
    qint64 best = 0;
    for (unsigned mask = 0; mask < (1u << count); ++mask) {
      qint64 sum = 0;
      for (std::size_t i = 0; i < count; ++i)
        if (mask & (1u << i)) sum += sizes[i];
      if (sum <= capacity) best = std::max(best, sum);
    }
    const search::SubsetChoice choice = search::heaviestSubset(sizes, capacity, 1u << 20);
    EXPECT_EQ(choice.sum, best);
    qint64 flagged = 0;
    for (std::size_t i = 0; i < count; ++i)
      if (choice.taken[i]) flagged += sizes[i];
    EXPECT_EQ(flagged, choice.sum);
  }
}

// A tight node limit still gives a subset that fits (the greedy one at least), within the limit.
TEST(BestFillParts, HeaviestSubsetStopsAtItsNodeLimit) {
  std::vector<qint64> sizes;
  for (qint64 i = 0; i < 40; ++i) sizes.push_back(1000003 + 7919 * i);
  const search::SubsetChoice choice = search::heaviestSubset(sizes, 20000000, 50);
  EXPECT_LE(choice.nodes, 51u);
  EXPECT_LE(choice.sum, 20000000);
  EXPECT_GT(choice.sum, 20000000 - sizes.back());
}

}  // namespace
