// The best-fill search: disc after disc of one plan, the plan made again only when the
// checked files, the capacity or the way parts are counted change, and Stop while it plans.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "search/DiscPlan.h"
#include "search/SearchBench.h"

namespace {

constexpr qint64 MB = catalogue::MB;

// Seven, six, five, four and three megabytes on 10-megabyte discs: {7,3}, {6,4}, {5}.
struct BestFill : testing_support::SearchBench {
  BestFill() : SearchBench({{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 5}, {"d.bin", 4}, {"e.bin", 3}}) {}
  QStringList serve(qint64 capacity = 10 * MB) { return search::bestFillSearch(context, view, capacity, plan), lower(); }
  void checkAll() {  // as Select All, or an Add of the folder again, does
    for (int row = 0; row < catalogue.lstmain().count(); ++row) catalogue.setUpperChecked(row, true);
  }
  search::ServedPlan plan;
};

TEST(BestFillSearch, ServesTheDiscsOfOnePlanFullestFirst) {
  BestFill b;
  const QStringList discs[] = {{"a.bin", "e.bin"}, {"b.bin", "d.bin"}, {"c.bin"}};
  for (int part = 1; part <= 3; ++part) {
    SCOPED_TRACE(part);
    EXPECT_EQ(b.serve(), discs[part - 1]);
    EXPECT_EQ(b.run.partcount, part);
    EXPECT_EQ(b.view.parts.back(), part);
  }
  EXPECT_EQ(b.view.results.back(), 5 * MB);
  EXPECT_EQ(b.upperChecks(), QList<bool>(5, false));
  EXPECT_TRUE(b.serve().isEmpty());  // every disc served: nothing more, nothing lost above
  EXPECT_EQ(b.run.partcount, 3);
  EXPECT_EQ(b.catalogue.lstmain().count(), 5);
  EXPECT_EQ(b.plan.plansMade, 1);
}

// After the first disc, a change of one kind; the second search plans again or serves on.
TEST(BestFillSearch, PlansAgainOnlyWhenTheCheckedFilesOrTheCapacityChange) {
  const struct { const char* what; std::function<void(BestFill&)> change; qint64 capacity; bool replans;
                 QStringList second; } cases[] = {
      {"nothing", [](BestFill&) {}, 10 * MB, false, {"b.bin", "d.bin"}},
      {"a sort by size", [](BestFill& b) { b.catalogue.headerClicked(catalogue::FileList::Kind::Upper, 4); }, 10 * MB,
       false, {"b.bin", "d.bin"}},
      {"a file unchecked", [](BestFill& b) { b.catalogue.setUpperChecked(3, false); }, 10 * MB, true, {"b.bin"}},
      {"Select All", [](BestFill& b) { b.checkAll(); }, 10 * MB, true, {"a.bin", "e.bin"}},
      // Add checks the folder's files again, the served ones too.
      {"a file added", [](BestFill& b) { b.add({{"f.bin", 4}}), b.checkAll(); }, 10 * MB, true, {"a.bin", "e.bin"}},
      {"another capacity", [](BestFill&) {}, 11 * MB, true, {"b.bin", "c.bin"}},
      // Six and four megabytes fill a disc to the byte, which its folders leave no room for.
      {"counting as on disc", [](BestFill& b) { b.run.countAsOnDisc = true; }, 10 * MB, true, {"c.bin", "d.bin"}},
      {"folders kept together", [](BestFill& b) { b.run.keepFoldersTogether = true; }, 10 * MB, true, {"b.bin", "d.bin"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BestFill b;
    b.serve();
    c.change(b);
    EXPECT_EQ(b.serve(c.capacity), c.second);
    EXPECT_EQ(b.plan.plansMade, c.replans ? 2 : 1);
  }
}

// The planning shows the frame with its own Stop button; a Stop there keeps a plan of every
// file, and the button hides again.
TEST(BestFillSearch, StopWhilePlanningKeepsAValidPlan) {
  BestFill b;
  bool stopShown = false, pressed = false;
  b.pump.onPump = [&b, &stopShown, &pressed](int) {
    if (std::exchange(pressed, true)) return;
    stopShown = b.progress.shown && b.view.planningNow && b.progress.lines.back() == "Planning discs";
    b.run.stopflag = true;
  };
  EXPECT_EQ(b.serve(), QStringList({"a.bin", "e.bin"}));
  EXPECT_TRUE(stopShown);
  EXPECT_TRUE(!b.progress.shown && !b.view.planningNow);
  EXPECT_EQ(b.serve(), QStringList({"b.bin", "d.bin"}));
  EXPECT_EQ(b.plan.plansMade, 1);
}

// Nothing happens while Search cannot be used.
TEST(BestFillSearch, ADisabledSearchServesNothing) {
  BestFill b;
  b.view.enabled = false;
  EXPECT_TRUE(b.serve().isEmpty());
  EXPECT_EQ(b.plan.plansMade, 0);
  EXPECT_EQ(b.upperChecks(), QList<bool>(5, true));
}

}  // namespace
