// What the window shows of the searches: totals, utilization, the part counter, the
// planning's Stop button and the batch's closing message.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "shell/CommandLine.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

// The totals, the utilization (none of a zero limit) and the part counter after the searches;
// a plan is made behind its own Stop button, which hides again.
TEST(SearchRecords, SearchesShowTheirTotalsAndTheirCount) {
  const struct {
    const char* limit;
    TestWindow::Files files;
    void (shell::MainForm::*search)();
    int runs;
    QStringList shown;  // total, utilization, count
  } cases[] = {
      {"10", {{"a.bin", 6}, {"b.bin", 5}, {"c.bin", 4}}, &shell::MainForm::cmdsearch_Click, 3,
       {"0", "0% CD utilization", "Total Part... 2"}},
      {"0", {{"a.bin", 1}, {"b.bin", 0}}, &shell::MainForm::cmdsearch_Click, 1,
       {"0", "0% CD utilization", "Total Part... 1"}},
      {"10", {{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 5}, {"d.bin", 4}, {"e.bin", 3}}, &shell::MainForm::mnubestfill_Click,
       3, {"5", "50% CD utilization", "Total Part... 3"}},
  };
  for (const auto& c : cases) {
    TestWindow t;
    t.gather(c.files);
    t.window.setLimitText(c.limit);
    t[mainform::lblpercent].text = "stale";
    bool planShown = false;
    t.pump.onPump = [&t, &planShown](int) {
      planShown = planShown || (t[mainform::framain].visible && t[mainform::cmdstop2].visible && !t[mainform::cmdstop].visible);
    };
    for (int run = 0; run < c.runs; ++run) (t.window.*c.search)();
    EXPECT_EQ(planShown, c.search == &shell::MainForm::mnubestfill_Click);
    EXPECT_TRUE(!t[mainform::framain].visible && !t[mainform::cmdstop2].visible && t[mainform::cmdstop].visible);
    EXPECT_EQ(QStringList({t[mainform::txttotal].text, t[mainform::lblpercent].text, t[mainform::lblCountCDTotal].text}),
              c.shown);
  }
}

// The limit the window starts with is 702 megabytes to the byte; the utilization is rounded.
TEST(SearchRecords, CommandLineSearchUsesTheStartUpLimitAndTheRoundedTotal) {
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

// Lists of the series numbered above the last one written are named in number order and kept.
TEST(SearchRecords, ListsOfAnEarlierBatchAreNamedAndKept) {
  TestWindow t;
  t.gather({{"a.bin", 6}, {"b.bin", 5}});
  t.window.setLimitText("10");
  const char* const earlier[] = {"cd 002.txt", "cd 003.txt", "cd 1000.txt", "cd 999.txt", "cd 004.txt", "dvd 005.txt"};
  for (const char* name : earlier) t.tree.file(QStringLiteral("out/") + name, 1);
  t.tree.folder("out/cd 007.txt");  // a folder is no list
  t.window.batch(1, t.tree.path("out/cd.txt"));
  for (const char* name : earlier) EXPECT_TRUE(QFileInfo::exists(t.tree.path("out/") + name)) << name;
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].title, "Batch search");
  EXPECT_EQ(t.messages.shown[0].text.replace(t.tree.path("out"), "<out>"),
            "2 lists written, from \"<out>/cd 001.txt\" to \"<out>/cd 002.txt\".\r\n"
            "Left from an earlier batch and not part of this one:\r\n"
            "\"<out>/cd 003.txt\"\r\n\"<out>/cd 004.txt\"\r\n\"<out>/cd 999.txt\"\r\n\"<out>/cd 1000.txt\"");
  EXPECT_EQ(t.messages.shown[0].icon, platform::MessageIcon::Exclamation);
}

}  // namespace
