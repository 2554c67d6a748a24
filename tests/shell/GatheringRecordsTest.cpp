// The gathering and Select commands as the main window's records show them: the choices read
// from the boxes, the controls locked while files are gathered, the part counter and the timer.
#include <gtest/gtest.h>

#include <functional>

#include "catalogue/Selection.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

// Stop at any pump: the choices and the commands on the lists are locked until the Add ends.
TEST(GatheringRecords, AddLocksTheChoicesUntilItEndsAndStopRestoresTheFrame) {
  TestWindow t;
  t.tree.file("in/a.txt"), t.tree.file("in/s1/x"), t.tree.file("in/s1/y");
  t[mainform::chkrecurse].value = 1;
  t.gather({});
  const int pumps = t.pump.calls;
  const catalogue::ControlId locked[] = {mainform::txtdir,     mainform::cmddir,  mainform::txtpattern,
                                         mainform::txtlimit,   mainform::chkrecurse, mainform::cmdsave,
                                         mainform::cmdsearch,  mainform::cmdload};
  for (int at = 1; at <= pumps; ++at) {
    SCOPED_TRACE(at);
    t.pump = {};
    t.pump.onPump = [&](int call) {
      for (const auto id : locked) EXPECT_FALSE(t[id].enabled) << id;
      for (int option : {0, 1}) EXPECT_FALSE(t.window.form()(mainform::optmain, option).enabled);
      if (call == at) t.window.cmdstop_Click();
    };
    t.window.cmdadd_Click();
    EXPECT_TRUE(!t[mainform::framain].visible && t[mainform::lbllevel].visible && t[mainform::cmdstop].tag.isEmpty());
    for (const auto id : locked) EXPECT_TRUE(t[id].enabled) << id;
    EXPECT_EQ(t[mainform::lblCountList].text,
              QStringLiteral("Files in list %1 of 0 Megabytes").arg(t.window.catalogue().lstmain().count()));
  }
}

// Every gathering (and Select) switches the availability timer on; all but a drop on the folder box clear the part counter.
TEST(GatheringRecords, GatheringsStartTheTimerAndClearThePartCounter) {
  const std::tuple<const char*, std::function<void(TestWindow&)>, bool> commands[] = {
      {"Add", [](TestWindow& t) { t.gather({}); }, true},
      {"Add of a missing folder", [](TestWindow& t) { t[mainform::txtdir].text = "/missing", t.window.cmdadd_Click(); }, true},
      {"the path switch", [](TestWindow& t) { t.window.addpath(t.tree.root(), false); }, true},
      {"a drop on the folder box", [](TestWindow& t) { t.window.dropOnFolderBox({t.tree.root()}); }, false},
      {"a drop on the list", [](TestWindow& t) { t.window.dropOnUpperList({t.tree.root()}); }, true},
      {"Select", [](TestWindow& t) { t.window.mnuselitem_Click(catalogue::SelectAll, {}); }, true},
  };
  for (const auto& [what, run, clears] : commands) {
    TestWindow t;
    t.tree.file("in/a.bin");
    t[mainform::lblCountCDTotal].text = "4 CDs";
    ASSERT_FALSE(t[mainform::Timer].enabled);
    run(t);
    EXPECT_TRUE(t[mainform::Timer].enabled) << what;
    EXPECT_EQ(t[mainform::lblCountCDTotal].text.isEmpty(), clears) << what;
  }
}

// The folder box keeps the folders added; Remove forgets its folder and, when it took files, empties the box.
TEST(GatheringRecords, TheFolderBoxKeepsItsHistory) {
  TestWindow t;
  t.gather({{"a.bin", 1}});
  t.window.addpath("\"" + t.tree.path("in") + "\"", true);
  EXPECT_EQ(t[mainform::txtdir].items, QStringList{t.in({}).chopped(1)});
  EXPECT_EQ(t[mainform::chkrecurse].value, 1);
  t[mainform::chkrecurse].value = 0;
  t.window.cmddel_Click();
  EXPECT_TRUE(t[mainform::txtdir].items.isEmpty() && t[mainform::txtdir].text.isEmpty());
  t.picker.answer = "/b";
  t.window.cmddir_Click();
  EXPECT_EQ(t[mainform::txtdir].text, "/b/");
}

}  // namespace
