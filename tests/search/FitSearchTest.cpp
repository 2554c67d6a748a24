// The fit search and the size-limit box, driven through the main window's handlers.
#include <gtest/gtest.h>

#include "shell/CommandLine.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

TEST(FitSearch, TakesWhatStillFitsInListOrderOnePartPerRun) {
  TestWindow t;
  t.gather({{"a.bin", 6}, {"b.bin", 5}, {"c.bin", 4}});
  t.window.setLimitText("10");
  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("a.bin"), t.in("c.bin")}));
  EXPECT_EQ(TestWindow::checks(t.window.catalogue().lstsec()), QList<bool>({true, true}));
  EXPECT_EQ(TestWindow::checks(t.window.catalogue().lstmain()), QList<bool>({false, true, false}));
  EXPECT_EQ(t["txttotal"].text, "10");
  EXPECT_EQ(t["lblpercent"].text, "100% CD utilization");
  EXPECT_EQ(t["lblCountList2"].text, "2 Files of 10 Megabytes");
  EXPECT_EQ(t["lblCountCDTotal"].text, "Total Part... 1");

  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin")}));
  EXPECT_EQ(t["lblCountList2"].text, "1 Files of 5 Megabytes");
  EXPECT_EQ(t["lblpercent"].text, "50% CD utilization");
  EXPECT_EQ(t["lblCountCDTotal"].text, "Total Part... 2");

  // No checked row is left: both lists are emptied and the part count stays.
  t.window.cmdsearch_Click();
  EXPECT_TRUE(t.lower().isEmpty());
  EXPECT_EQ(t.window.catalogue().lstmain().count(), 0);
  EXPECT_EQ(t["txttotal"].text, "0");
  EXPECT_EQ(t["lblpercent"].text, "0% CD utilization");
  EXPECT_EQ(t["lblCountCDTotal"].text, "Total Part... 2");
}

TEST(FitSearch, CommandLineSearchUsesTheStartUpLimitAndTheRoundedTotal) {
  TestWindow t;
  t.gather({{"a.bin", 702 + 1.0 / 1048576}, {"b.bin", 700}, {"c.bin", 3}}, false);
  EXPECT_EQ(t["txtlimit"].tag, "736100352");
  shell::processcommandline({"/path", t.tree.path("in"), "/dumb"}, t.window);
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin")}));  // one byte too many is too many
  EXPECT_EQ(t["txttotal"].text, "700");
  EXPECT_EQ(t["lblpercent"].text, "99.72% CD utilization");
}

TEST(FitSearch, ZeroLimitTakesOnlyEmptyFilesAndShowsNoUtilization) {
  TestWindow t;
  t.gather({{"a.bin", 1}, {"b.bin", 0}});
  t.window.setLimitText("0");
  t["lblpercent"].text = "stale";
  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin")}));
  EXPECT_EQ(t["lblpercent"].text, "0% CD utilization");
  EXPECT_EQ(t["lblCountCDTotal"].text, "Total Part... 1");
}

TEST(FitSearch, DisabledSearchChangesNothing) {
  TestWindow t;  // nothing gathered yet, so the button is still disabled
  t.addLower("/kept");
  t["txttotal"].text = "7";
  t.window.cmdsearch_Click();
  EXPECT_EQ(t.lower(), QStringList({"/kept"}));
  EXPECT_EQ(t["txttotal"].text, "7");
  EXPECT_EQ(t.window.run().partcount, 0);
}

TEST(FitSearch, LimitBoxKeepsItsTagInWholeBytes) {
  const char* const cases[][3] = {
      {"abc", "4450", "4666163200"}, {"", "4450", "4666163200"},    {"12 MB", "4450", "4666163200"},
      {"657", "657", "688914432"},   {"702.5", "702.5", "736624640"}, {" 98 ", " 98 ", "102760448"}, {"0", "0", "0"},
      // No group separators, and nothing a byte count cannot hold.
      {"7.025", "7.025", "7366246.4"}, {"1,234.5", "4450", "4666163200"}, {"1,234", "4450", "4666163200"},
      {"inf", "4450", "4666163200"},   {"1e400", "4450", "4666163200"},   {"1e300", "4450", "4666163200"},
  };
  TestWindow t;
  for (const auto& [typed, text, tag] : cases) {
    t.window.setLimitText(typed);
    EXPECT_EQ(t["txtlimit"].text, text) << typed;
    EXPECT_EQ(t["txtlimit"].tag, tag) << typed;
  }
}

}  // namespace
