// The fit search on lists of its own: what each run takes and what it shows.
#include <gtest/gtest.h>

#include "search/FitSearch.h"
#include "search/SearchBench.h"

namespace {

using testing_support::SearchBench;
using Bytes = std::vector<qint64>;
constexpr qint64 MB = catalogue::MB;

QStringList search(SearchBench& b, qint64 capacity) {
  search::cmdsearch_Click(b.context, b.view, capacity);
  return b.lower();
}

// Each run takes the checked files that still fit, up to the capacity itself; with none left
// both lists empty and the count stays.
TEST(FitSearch, TakesWhatStillFitsInListOrderOnePartPerRun) {
  SearchBench b({{"a.bin", 6}, {"b.bin", 5}, {"c.bin", 4}});
  EXPECT_EQ(search(b, 10 * MB), QStringList({"a.bin", "c.bin"}));
  EXPECT_EQ(SearchBench::checks(b.catalogue.lstsec()), QList<bool>({true, true}));
  EXPECT_EQ(b.upperChecks(), QList<bool>({false, true, false}));
  EXPECT_EQ(search(b, 10 * MB), QStringList({"b.bin"}));
  EXPECT_TRUE(search(b, 10 * MB).isEmpty() && b.catalogue.lstmain().isEmpty());
  EXPECT_EQ(b.view.results, Bytes({10 * MB, 5 * MB, 0}));
  EXPECT_EQ(b.view.parts, std::vector<int>({1, 2}));
  EXPECT_EQ(b.run.partcount, 2);
}

TEST(FitSearch, ZeroCapacityTakesOnlyEmptyFiles) {
  SearchBench b({{"a.bin", 1}, {"b.bin", 0}});
  EXPECT_EQ(search(b, 0), QStringList({"b.bin"}));
  EXPECT_EQ(b.view.results, Bytes({0}));
  EXPECT_EQ(b.view.parts, std::vector<int>({1}));
}

TEST(FitSearch, DisabledSearchChangesNothing) {
  SearchBench b({{"a.bin", 1}});
  b.catalogue.lstsec().append(catalogue::FileEntry{"/kept", {}, {}});
  b.view.enabled = false;
  EXPECT_EQ(search(b, 10 * MB), QStringList({"/kept"}));
  EXPECT_TRUE(b.view.results.empty());
  EXPECT_EQ(b.run.partcount, 0);
}

}  // namespace
