// One command at a time: a click that gets through while a long command yields starts nothing.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

#include "catalogue/Selection.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;
using Kind = catalogue::FileList::Kind;

using Command = std::pair<const char*, std::function<void(TestWindow&)>>;  // a name and how to start it

// Everything a started command would touch.
auto trace(TestWindow& t) {
  const catalogue::Catalogue& lists = std::as_const(t.window).catalogue();
  return std::make_tuple(std::as_const(t.window).form().revision(), lists.lstmain().count(),
                         lists.lstmain().structureRevision(), lists.lstmain().dataRevision(), lists.lstsec().count(),
                         lists.lstsec().structureRevision(), lists.lstsec().dataRevision(), t.dialogs.titles.size(),
                         t.messages.asked.size(), t.messages.shown.size(), t.trash.received.size(),
                         lists.sortState(Kind::Upper).sorted, lists.sortState(Kind::Lower).sorted);
}

// The long commands, each set up to yield several times.
const Command longCommands[] = {
    {"Add", [](TestWindow& t) { t[mainform::chkrecurse].value = 1, t.window.cmdadd_Click(); }},
    {"Search", [](TestWindow& t) { t.window.cmdsearch_Click(); }},
    {"Batch", [](TestWindow& t) { t.window.batch(0, t.tree.path("cd.txt")); }},
    {"Best-fill search", [](TestWindow& t) { t.window.mnubestfill_Click(); }},
    {"Best-fill batch", [](TestWindow& t) { t.window.batch(2, t.tree.path("cd.txt")); }},
    {"Load", [](TestWindow& t) { t.window.run().pendingListPath = t.tree.path("list.txt"), t.window.cmdload_Click(); }},
    {"Select", [](TestWindow& t) { t.window.mnuselitem_Click(catalogue::InvertSelection, {}); }},
    {"Disc scan",
     [](TestWindow& t) { t.insertDisc(t.tree.path("in")), t.window.cmdcdrom_Click(0); }},
};

// Every command a click can start.
const Command anyCommands[] = {
    {"Add", [](TestWindow& t) { t.window.cmdadd_Click(); }},
    {"Remove", [](TestWindow& t) { t.window.cmddel_Click(); }},
    {"Folder box drop", [](TestWindow& t) { t.window.dropOnFolderBox({t.tree.path("in")}); }},
    {"Upper list drop", [](TestWindow& t) { t.window.dropOnUpperList({t.tree.path("in")}); }},
    {"Search", [](TestWindow& t) { t.window.cmdsearch_Click(); }},
    {"Batch", [](TestWindow& t) { t.window.mnuscan_Click(); }},
    {"Best-fill search", [](TestWindow& t) { t.window.mnubestfill_Click(); }},
    {"Save", [](TestWindow& t) { t.window.cmdsave_Click(); }},
    {"Select", [](TestWindow& t) { t.window.mnuselitem_Click(catalogue::SelectNone, {}); }},
    {"Delete", [](TestWindow& t) { t.window.mnufiledelete_Click(); }},
    {"Clear", [](TestWindow& t) { t.window.mnuclear_Click(); }},
    {"Sort", [](TestWindow& t) { t.window.headerClicked(Kind::Upper, 0); }},
    {"Disc scan", [](TestWindow& t) { t.window.cmdcdrom_Click(0); }},
};

// A window with four files gathered, one of them on the lower list and three in a list file.
void prepare(TestWindow& t) {
  t.gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 3}, {"sub/d.bin", 4}});
  t.addLower(t.in("a.bin"));
  t.listFile("list.txt", {"a.bin", "b.bin", "c.bin"}, "\n");
  t.window.Timer_Timer();  // the Save and Delete buttons follow the lower list
}

// Each command leaves a trace when it runs alone, and none when fired in the middle of another.
TEST(OneCommandAtATime, ACommandStartedInTheMiddleOfAnotherDoesNothing) {
  for (const auto& [name, second] : anyCommands) {
    SCOPED_TRACE(name);
    TestWindow t;
    prepare(t);
    const auto before = trace(t);
    second(t);
    EXPECT_NE(trace(t), before);
    for (const auto& [longName, first] : longCommands) {
      SCOPED_TRACE(longName);
      TestWindow u;
      prepare(u);
      bool fired = false;
      u.pump.onPump = [&](int) {
        if (std::exchange(fired, true)) return;
        const auto untouched = trace(u);
        second(u);
        EXPECT_EQ(trace(u), untouched);
      };
      first(u);
      EXPECT_TRUE(fired) << "the first command never yielded";
      EXPECT_FALSE(u.window.running().has_value());
    }
  }
}

// An option of the Search menu checked while a long command yields reaches the run flags
// as that command ends, never in its middle.
TEST(OneCommandAtATime, AnOptionCheckedDuringACommandTakesEffectAsItEnds) {
  for (const auto& [name, first] : longCommands) {
    SCOPED_TRACE(name);
    TestWindow t;
    prepare(t);
    bool fired = false;
    t.pump.onPump = [&](int) {
      if (!std::exchange(fired, true)) t.window.checkSearchOption(mainform::mnutogether);
      EXPECT_FALSE(t.window.run().keepFoldersTogether);
    };
    first(t);
    EXPECT_TRUE(fired && t.window.run().keepFoldersTogether);
  }
}

}  // namespace
