// The batch's fit passes through the tree against the plain pass, on random sets of many
// shapes: the same parts, shown the same way, to the same ending; and the tree's corners.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>

#include "search/FirstFitTree.h"
#include "search/FitBatch.h"
#include "search/PartMeasure.h"
#include "search/SearchBench.h"

namespace {

using testing_support::SearchBench;

// All a run of parts showed: each lower list, the totals and part numbers, what is left above.
struct Shown {
  std::vector<QStringList> parts;
  std::vector<qint64> totals;
  std::vector<int> numbers;
  QList<bool> checks;
  bool operator==(const Shown&) const = default;
};

// The parts of `sizes` (bytes, in list order) on discs of `capacity`, by the batch's passes
// or by the plain pass run until no candidate is left.
Shown parts(const std::vector<qint64>& sizes, qint64 capacity, bool batch) {
  SearchBench b;
  for (std::size_t i = 0; i < sizes.size(); ++i)
    b.catalogue.addfile(QStringLiteral("/in/f%1").arg(i, 4, 10, QChar(u'0')), sizes[i]);
  const search::PartMeasure measure(capacity);
  std::vector<search::Candidate> candidates = search::checkedCandidates(b.catalogue.lstmain());
  Shown shown;
  const auto step = [&](const std::function<void()>& next) {
    next();
    shown.parts.push_back(b.lower());
  };
  if (batch) {
    // Every part but an empty last one takes a file: a broken tree fails here instead of hanging.
    search::FitBatch fit(measure, candidates, false, b.catalogue.lstmain());
    while (fit.more() && shown.parts.size() <= sizes.size()) step([&] { fit.next(b.context, b.view); });
  } else {
    while (!candidates.empty()) step([&] { search::fitSearch(b.context, b.view, measure, candidates); });
  }
  shown.totals = b.view.results;
  shown.numbers = b.view.parts;
  shown.checks = b.upperChecks();
  return shown;
}

TEST(FitBatch, MakesThePartsOfThePlainPass) {
  std::mt19937_64 random(20261207);
  const auto upTo = [&](qint64 most) { return std::uniform_int_distribution<qint64>(0, most)(random); };
  // Each shape draws one size for a disc of `c` bytes.
  const std::function<qint64(qint64 c)> shapes[] = {
      [&](qint64 c) { return upTo(c + c / 2); },                       // some larger than a disc
      [&](qint64 c) { return upTo(c / 4); },                           // many to a disc
      [&](qint64 c) { return c / 3; },                                 // all equal
      [&](qint64 c) { return upTo(2) == 0 ? 0 : c - upTo(1); },        // empty, or a disc's worth
      [&](qint64 c) { return upTo(3) == 0 ? upTo(2 * c + 2) : upTo(c / 10); },
  };
  for (int set = 0; set < 300; ++set) {
    const qint64 capacity = set % 10 == 0 ? 0 : upTo(1000);
    const auto& shape = shapes[std::size_t(set) % std::size(shapes)];
    std::vector<qint64> sizes(std::size_t(upTo(70)));
    for (qint64& size : sizes) size = shape(capacity);
    SCOPED_TRACE(testing::Message() << "set " << set << ", capacity " << capacity << ", " << sizes.size() << " files");
    EXPECT_EQ(parts(sizes, capacity, true), parts(sizes, capacity, false));
  }
}

// The padding beyond the last file and a start past it find nothing, whatever the room.
TEST(FitBatch, TreeFindsOnlyFilesLeftAtOrAfterTheStart) {
  constexpr qint64 most = std::numeric_limits<qint64>::max() - 1;
  search::FirstFitTree tree(std::vector<qint64>{5, 0, 7});
  const struct { std::size_t from; qint64 room; std::size_t found; } before[] = {
      {0, 4, 1}, {0, 5, 0}, {2, 6, 3}, {2, 7, 2}, {3, most, 3}, {9, most, 3}};
  for (const auto& q : before) EXPECT_EQ(tree.firstAtMost(q.from, q.room), q.found) << q.from << " " << q.room;
  tree.remove(1);
  EXPECT_TRUE(tree.removed(1) && !tree.removed(0));
  EXPECT_EQ(tree.firstAtMost(0, 4), 3u);
  EXPECT_EQ(tree.firstAtMost(1, most), 2u);
  EXPECT_EQ(search::FirstFitTree({}).firstAtMost(0, most), 0u);
}

}  // namespace
