// The best-fill search in the window: disc after disc of one plan, the plan made again only
// when the checked files or the capacity change, and Stop while it plans.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

// Seven, six, five, four and three megabytes on 10-megabyte discs: {7,3}, {6,4}, {5}.
struct BestFill : TestWindow {
  BestFill() {
    gather({{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 5}, {"d.bin", 4}, {"e.bin", 3}});
    window.setLimitText("10");
    (*this)[mainform::cmdsearch].enabled = true;
  }
  // The next disc, as names in "in".
  QStringList serve() {
    window.mnubestfill_Click();
    return lower().replaceInStrings(in(""), "");
  }
  int row(const char* name) const { return window.catalogue().getfilenum(in(name)) - 1; }
};

TEST(BestFillSearch, ServesTheDiscsOfOnePlanFullestFirst) {
  BestFill b;
  const QStringList discs[] = {{"a.bin", "e.bin"}, {"b.bin", "d.bin"}, {"c.bin"}};
  for (int part = 1; part <= 3; ++part) {
    SCOPED_TRACE(part);
    EXPECT_EQ(b.serve(), discs[part - 1]);
    EXPECT_EQ(b.window.run().partcount, part);
    EXPECT_EQ(b[mainform::lblCountCDTotal].text, "Total Part... " + QString::number(part));
  }
  EXPECT_EQ(b[mainform::lblpercent].text, "50% CD utilization");
  EXPECT_EQ(b.checks(b.window.catalogue().lstmain()), QList<bool>(5, false));
  EXPECT_TRUE(b.serve().isEmpty());  // every disc served: nothing more, nothing lost above
  EXPECT_EQ(b.window.run().partcount, 3);
  EXPECT_EQ(b.upper().size(), 5);
  EXPECT_EQ(b.window.bestFillPlans(), 1);
}

// After the first disc, a change of one kind; the second search plans again or serves on.
TEST(BestFillSearch, PlansAgainOnlyWhenTheCheckedFilesOrTheCapacityChange) {
  const struct {
    const char* what;
    std::function<void(BestFill&)> change;
    bool replans;
    QStringList second;
  } cases[] = {
      {"nothing", [](BestFill&) {}, false, {"b.bin", "d.bin"}},
      {"a sort by size", [](BestFill& b) { b.window.headerClicked(catalogue::FileList::Kind::Upper, 4); }, false,
       {"b.bin", "d.bin"}},
      {"a file unchecked", [](BestFill& b) { b.window.catalogue().setUpperChecked(b.row("d.bin"), false); }, true,
       {"b.bin"}},
      {"Select All", [](BestFill& b) { b.window.mnuselitem_Click(0, {}); }, true, {"a.bin", "e.bin"}},
      // Add checks the folder's files again, the served ones too.
      {"a file added", [](BestFill& b) { b.gather({{"f.bin", 4}}); }, true, {"a.bin", "e.bin"}},
      {"another capacity", [](BestFill& b) { b.window.setLimitText("11"); }, true, {"b.bin", "c.bin"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BestFill b;
    b.serve();
    c.change(b);
    EXPECT_EQ(b.serve(), c.second);
    EXPECT_EQ(b.window.bestFillPlans(), c.replans ? 2 : 1);
  }
}

// The planning shows the frame with its own Stop button; a Stop there keeps a plan of every
// file, and the button hides again.
TEST(BestFillSearch, StopWhilePlanningKeepsAValidPlan) {
  BestFill b;
  bool stopShown = false, pressed = false;
  b.pump.onPump = [&b, &stopShown, &pressed](int) {
    if (std::exchange(pressed, true)) return;
    stopShown = b[mainform::framain].visible && b[mainform::cmdstop2].visible && !b[mainform::cmdstop].visible;
    b.window.cmdstop_Click();
  };
  EXPECT_EQ(b.serve(), QStringList({"a.bin", "e.bin"}));
  EXPECT_TRUE(stopShown);
  EXPECT_TRUE(!b[mainform::framain].visible && !b[mainform::cmdstop2].visible && b[mainform::cmdstop].visible);
  EXPECT_EQ(b.serve(), QStringList({"b.bin", "d.bin"}));
  EXPECT_EQ(b.window.bestFillPlans(), 1);
}

// Nothing happens while the Search button is disabled.
TEST(BestFillSearch, ADisabledSearchServesNothing) {
  BestFill b;
  b[mainform::cmdsearch].enabled = false;
  EXPECT_TRUE(b.serve().isEmpty());
  EXPECT_EQ(b.window.bestFillPlans(), 0);
  EXPECT_EQ(b.checks(b.window.catalogue().lstmain()), QList<bool>(5, true));
}

}  // namespace
