// One command at a time: every long command yields to the window while it works, and a
// click that gets through then must not start a second command on the same lists. A
// scripted pump fires each command in the middle of each long one; the fired command must
// leave no trace at all.
#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <tuple>

#include "catalogue/Selection.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;
using Kind = catalogue::FileList::Kind;

struct Command {
  const char* name;
  std::function<void(TestWindow&)> run;
};

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
    {"Add", [](TestWindow& t) { t["chkrecurse"].value = 1, t.window.cmdadd_Click(); }},
    {"Search", [](TestWindow& t) { t.window.cmdsearch_Click(); }},
    {"Batch",
     [](TestWindow& t) {
       t["mnuscan"].tag = t.tree.path("cd.txt");
       t.window.mnuscan_Click();
     }},
    {"Load",
     [](TestWindow& t) {
       t.window.run().pendingListPath = t.tree.path("list.txt");
       t.window.cmdload_Click();
     }},
    {"Select", [](TestWindow& t) { t.window.mnuselitem_Click(catalogue::InvertSelection, {}); }},
    {"Disc scan",
     [](TestWindow& t) {
       t.window.form()(QStringLiteral("cmdcdrom"), 0).text = t.tree.path("in");
       t.window.cmdcdrom_Click(0);
     }},
};

// Every command a click can start, each of which changes something when it runs alone.
const Command anyCommands[] = {
    {"Add", [](TestWindow& t) { t.window.cmdadd_Click(); }},
    {"Remove", [](TestWindow& t) { t.window.cmddel_Click(); }},
    {"Folder box drop", [](TestWindow& t) { t.window.dropOnFolderBox({t.tree.path("in")}); }},
    {"Upper list drop", [](TestWindow& t) { t.window.dropOnUpperList({t.tree.path("in")}); }},
    {"Search", [](TestWindow& t) { t.window.cmdsearch_Click(); }},
    {"Batch", [](TestWindow& t) { t.window.mnuscan_Click(); }},
    {"Save", [](TestWindow& t) { t.window.cmdsave_Click(); }},
    {"Select", [](TestWindow& t) { t.window.mnuselitem_Click(catalogue::SelectNone, {}); }},
    {"Delete", [](TestWindow& t) { t.window.mnufiledelete_Click(); }},
    {"Clear", [](TestWindow& t) { t.window.mnuclear_Click(); }},
    {"Sort", [](TestWindow& t) { t.window.headerClicked(Kind::Upper, 0); }},
    {"Disc scan", [](TestWindow& t) { t.window.cmdcdrom_Click(0); }},
};

// A window with four files gathered, one of them on the lower list and in a list file.
void prepare(TestWindow& t) {
  t.gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 3}, {"sub/d.bin", 4}});
  t.addLower(t.in("a.bin"));
  QFile list(t.tree.path("list.txt"));
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write((t.in("a.bin") + "\n" + t.in("b.bin") + "\n" + t.in("c.bin") + "\n").toUtf8());
  t.window.Timer_Timer();  // the Save and Delete buttons follow the lower list
}

TEST(OneCommandAtATime, ACommandStartedInTheMiddleOfAnotherDoesNothing) {
  for (const Command& first : longCommands) {
    for (const Command& second : anyCommands) {
      SCOPED_TRACE(std::string(first.name) + ", then " + second.name);
      TestWindow t;
      prepare(t);
      bool fired = false;
      t.pump.onPump = [&](int) {
        if (fired) return;
        fired = true;
        const auto before = trace(t);
        second.run(t);
        EXPECT_EQ(trace(t), before);
      };
      first.run(t);
      EXPECT_TRUE(fired) << "the first command never yielded";
      EXPECT_FALSE(t.window.running().has_value());
    }
  }
}

// The test above would see nothing if the commands changed nothing: each one, run alone,
// leaves a trace. Pressing Load during a load is the way to stop it and does act.
TEST(OneCommandAtATime, EachCommandAloneActsAndLoadStopsALoad) {
  for (const Command& command : anyCommands) {
    SCOPED_TRACE(command.name);
    TestWindow t;
    prepare(t);
    const auto before = trace(t);
    command.run(t);
    EXPECT_NE(trace(t), before);
  }

  TestWindow t;
  prepare(t);
  const int start = t.pump.calls;
  t.pump.onPump = [&](int call) {
    if (call == start + 2) t.window.cmdload_Click();
  };
  t.window.run().pendingListPath = t.tree.path("list.txt");
  t.window.cmdload_Click();
  EXPECT_LT(t.lower().size(), 3);
  EXPECT_EQ(t["cmdload"].text, QStringLiteral("&Load"));
}

}  // namespace
