// The fit search, driven through the main window's handlers.
#include <gtest/gtest.h>

#include "shell/CommandLine.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

// Each run takes the checked files that still fit; with none left both lists empty, the count stays.
TEST(FitSearch, TakesWhatStillFitsInListOrderOnePartPerRun) {
  TestWindow t;
  t.gather({{"a.bin", 6}, {"b.bin", 5}, {"c.bin", 4}});
  t.window.setLimitText("10");
  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("a.bin"), t.in("c.bin")}));
  EXPECT_EQ(TestWindow::checks(t.window.catalogue().lstsec()), QList<bool>({true, true}));
  EXPECT_EQ(TestWindow::checks(t.window.catalogue().lstmain()), QList<bool>({false, true, false}));
  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin")}));
  t.window.cmdsearch_Click();
  EXPECT_TRUE(t.lower().isEmpty() && t.upper().isEmpty());
  EXPECT_EQ(t[mainform::txttotal].text, "0");
  EXPECT_EQ(t[mainform::lblpercent].text, "0% CD utilization");
  EXPECT_EQ(t[mainform::lblCountCDTotal].text, "Total Part... 2");
}

// The limit the window starts with is 702 megabytes to the byte; the utilization is rounded.
TEST(FitSearch, CommandLineSearchUsesTheStartUpLimitAndTheRoundedTotal) {
  TestWindow t;
  t.gather({{"a.bin", 702 + 1.0 / 1048576}, {"b.bin", 700}, {"c.bin", 3}}, false);
  shell::processcommandline({"/path", t.tree.path("in"), "/dumb"}, t.window);
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin")}));
  EXPECT_EQ(t[mainform::txttotal].text, "700");
  EXPECT_EQ(t[mainform::lblpercent].text, "99.72% CD utilization");
  // The burn-time estimate follows the search at the speed the window starts with, then a pick.
  EXPECT_EQ(t[mainform::lblspeed].text, "01:19:38 to burn");
  t[mainform::cbospeed].text = "48x";
  t.window.cbospeed_Click();
  EXPECT_EQ(t[mainform::lblspeed].text, "01:39 to burn");
}

TEST(FitSearch, ZeroLimitTakesOnlyEmptyFilesAndShowsNoUtilization) {
  TestWindow t;
  t.gather({{"a.bin", 1}, {"b.bin", 0}});
  t.window.setLimitText("0");
  t[mainform::lblpercent].text = "stale";
  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin")}));
  EXPECT_EQ(t[mainform::lblpercent].text, "0% CD utilization");
  EXPECT_EQ(t[mainform::lblCountCDTotal].text, "Total Part... 1");
}

TEST(FitSearch, DisabledSearchChangesNothing) {
  TestWindow t;  // nothing gathered yet, so the button is still disabled
  t.addLower("/kept");
  t[mainform::txttotal].text = "7";
  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({"/kept"}));
  EXPECT_EQ(t[mainform::txttotal].text, "7");
  EXPECT_EQ(t.window.run().partcount, 0);
}

}  // namespace
