// The gathering and Select commands in the main window's records: the choices read from the
// boxes, the controls locked while files are gathered, the part counter, the timer, the history.
#include <gtest/gtest.h>

#include <functional>

#include "catalogue/Selection.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;
using namespace mainform;

TEST(GatheringRecords, CommandsWriteTheirStateIntoTheRecords) {
  const std::tuple<const char*, std::function<void(TestWindow&)>, bool> commands[] = {  // clears the part counter
      {"Add", [](TestWindow& t) { t[chkrecurse].value = 1, t.gather({}); }, true},
      {"Add of a missing folder", [](TestWindow& t) { t[txtdir].text = "/missing", t.window.cmdadd_Click(); }, true},
      {"the path switch", [](TestWindow& t) { t.window.addpath('"' + t.in({}) + '"', true); }, true},
      {"a drop on the folder box", [](TestWindow& t) { t.window.dropOnFolderBox({t.tree.root()}); }, false},
      {"a drop on the list", [](TestWindow& t) { t.window.dropOnUpperList({t.tree.root()}); }, true},
      {"Select", [](TestWindow& t) { t.window.mnuselitem_Click(catalogue::SelectAll, {}); }, true},
  };
  const catalogue::ControlId locked[] = {txtdir, cmddir, txtpattern, txtlimit, chkrecurse, cmdsave, cmdsearch, cmdload};
  for (const auto& [what, run, clears] : commands) {
    SCOPED_TRACE(what);
    TestWindow t;
    t.tree.file("in/a.bin"), t.tree.file("in/s/b.bin");
    t[lblCountCDTotal].text = "4 CDs";
    const bool adds = std::string(what).starts_with("Add");
    t.pump.onPump = [&](int call) {  // an Add locks the choices and Stop ends it
      for (const auto id : locked) EXPECT_TRUE(!adds || !t[id].enabled) << id;
      for (int option : {0, 1}) EXPECT_TRUE(!adds || !t.window.form()(optmain, option).enabled);
      if (adds && call == 1) t.window.cmdstop_Click();
    };
    run(t);
    for (const auto id : locked) EXPECT_TRUE(!adds || t[id].enabled) << id;
    EXPECT_TRUE(!t[framain].visible && t[lbllevel].visible && t[cmdstop].tag.isEmpty() && t[Timer].enabled);
    EXPECT_TRUE(!adds || t[lblCountList].text == QStringLiteral("Files in list %1 of 0 Megabytes").arg(t.upper().size()));
    EXPECT_EQ(t[lblCountCDTotal].text.isEmpty(), clears);
  }
}

// The folder box keeps the folders added; Remove forgets its folder and, when it took files, empties the box.
TEST(GatheringRecords, TheFolderBoxKeepsItsHistory) {
  TestWindow t;
  t.gather({{"a.bin", 1}});
  t.window.addpath('"' + t.tree.path("in") + '"', true);
  EXPECT_TRUE(t[txtdir].items == QStringList{t.tree.path("in")} && t[chkrecurse].value == 1);
  t[chkrecurse].value = 0;
  t.window.cmddel_Click();
  EXPECT_TRUE(t[txtdir].items.isEmpty() && t[txtdir].text.isEmpty());
}

}  // namespace
