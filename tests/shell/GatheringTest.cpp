// Add, Remove and Stop through MainForm with scripted services; Browse and drops: see the window tests.
#include <gtest/gtest.h>

#include <QDir>
#include <functional>
#include <memory>

#include "support/TestServices.h"
#include "support/TempTree.h"

namespace {

using platform::MessageIcon;

class MainFormGathering : public ::testing::Test, protected testing_support::TestServices {
 protected:
  std::unique_ptr<shell::MainForm> makeWindow(const QString& programFolder = QString()) {
    return std::make_unique<shell::MainForm>(services({.programFolder = programFolder}));
  }
  catalogue::Control& control(const char* name) { return window->form()(name); }
  QString text(const char* name) { return control(name).text; }
  void files(std::initializer_list<const char*> names, qint64 size = 0) { for (auto f : names) tree.file(f, size); }
  void select(const QString& dir, bool sub) { control("txtdir").text = dir, control("chkrecurse").value = sub; }
  void add(const QString& folder, bool recurse = false) { select(folder, recurse), window->cmdadd_Click(); }
  void remove(const QString& folder, bool recurse = false) { select(folder, recurse), window->cmddel_Click(); }
  // The upper rows as paths below the tree's root, in list order.
  QStringList rows() const {
    QStringList out;
    for (int row = 0; row < window->catalogue().lstmain().count(); ++row)
      out.append(window->catalogue().lstmain().fullPath(row).mid(tree.root().size() + 1));
    return out;
  }

  testing_support::TempTree tree;
  std::unique_ptr<shell::MainForm> window = makeWindow();
};

// Own files first, then subfolders depth first, ignoring case; links to folders are not followed.
TEST_F(MainFormGathering, AddTakesFilesThenWalksSubfoldersDepthFirstIgnoringCase) {
  files({"B.txt", "a.txt", "c.txt", "Zeta/z.txt", "alpha/a1.txt", "alpha/inner/i.txt", "beta/b1.txt", ".hid/h.txt",
         ".hidden.txt", "what?/q.txt", "star*/s.txt", "star*/in?side/i.txt"});
  tree.symlink(tree.root(), "alpha/loop");
  tree.symlink(tree.path("alpha"), "alias");
  add(tree.root(), true);
  EXPECT_EQ(rows(), QStringList({"a.txt", "B.txt", "c.txt", ".hid/h.txt", "alpha/a1.txt", "alpha/inner/i.txt",
                                 "beta/b1.txt", "star*/s.txt", "star*/in?side/i.txt", "what?/q.txt", "Zeta/z.txt"}));
  EXPECT_TRUE(messages.shown.isEmpty());
}

// The last eight folders added, each once whatever the case of its letters; Remove forgets one.
TEST_F(MainFormGathering, HistoryKeepsTheLastEightFoldersOnceEach) {
  QStringList folders;
  for (int i = 1; i <= 9; ++i) {
    folders.append(tree.path(QStringLiteral("d%1").arg(i)));
    tree.file(QStringLiteral("d%1/f.txt").arg(i));
    add(folders.last());
  }
  const QStringList& history = control("txtdir").items;
  EXPECT_EQ(history, folders.mid(1));
  add(tree.path("D5"));
  EXPECT_EQ(history, folders.mid(1));
  remove(tree.path("d3"));
  folders.removeAt(2);
  EXPECT_EQ(history, folders.mid(1));
}

// Gathering the program's own folder warns once per Add, not once per folder or file.
TEST_F(MainFormGathering, ProgramFolderWarningComesOncePerAdd) {
  window = makeWindow(tree.root());
  files({"a.txt", "b.txt", "sub/d.txt"});
  add(tree.root(), true);
  add(tree.root(), true);
  EXPECT_EQ(rows().size(), 3);
  EXPECT_EQ(messages.shown.size(), 2);
}

// An Add of a folder that cannot be opened, or of none, starts afresh, adds nothing and says so.
TEST_F(MainFormGathering, AddOfAFolderThatCannotBeOpenedStartsAfreshAndSaysSo) {
  tree.file("prog/p.txt");
  tree.file("other/o.txt", 1048576);
  window = makeWindow(tree.path("prog"));
  const QString missing = tree.path("missing");
  const std::pair<QString, QString> cases[] = {
      {missing, QStringLiteral("The folder \"%1\" cannot be opened, so no files were added from it.").arg(missing)},
      {QString(), "No folder is named in the folder box, so no files were added."},
  };
  for (const auto& [folder, message] : cases) {
    for (const bool recurse : {false, true}) {
      add(tree.path("other"));
      control("lblCountCDTotal").text = "4 CDs";
      window->run().partcount = 4;
      messages.shown.clear();
      add(folder, recurse);
      EXPECT_TRUE(rows().isEmpty()) << folder.toStdString();
      EXPECT_EQ(text("lblCountList"), "Files in list 0 of 0 Megabytes");
      EXPECT_TRUE(text("lblCountCDTotal").isEmpty() && window->run().partcount == 0);
      ASSERT_EQ(messages.shown.size(), 1);
      EXPECT_TRUE(messages.shown[0].text == message && messages.shown[0].icon == MessageIcon::Exclamation);
    }
  }
}

// Remove takes what the folder lists now, or all below it ("Musicals" is not); the total stays.
TEST_F(MainFormGathering, RemoveTakesTheFolderOnlyAndWithSubfoldersEverythingBelow) {
  const struct { const char* folder; bool recurse, deleteFirst; QStringList removed; } cases[] = {
      {"Music", true, false, {"Music/m.txt", "Music/deep/d.txt"}},
      {"Music/", true, false, {"Music/m.txt", "Music/deep/d.txt"}},
      {"Empty", true, false, {"Empty/only/e.txt"}},
      {"Nowhere", true, false, {}},
      {"Music", false, false, {"Music/m.txt"}},
      {"Gone", false, true, {}},
      {"Other", true, true, {"Other/o.txt"}},
  };
  for (const char* f : {"Empty/only/e.txt", "Gone/g.txt", "Music/m.txt", "Music/deep/d.txt", "music/l.txt",
                        "Musicals/s.txt", "Other/o.txt"})
    tree.file(f, 1);
  for (const auto& [folder, recurse, deleteFirst, removed] : cases) {
    add(tree.root(), true);
    QStringList expected = rows();
    for (const QString& f : removed) expected.removeOne(f);
    const qint64 total = window->catalogue().totalbytes();
    if (deleteFirst) QDir(tree.path(folder)).removeRecursively();
    remove(tree.path(folder), recurse);
    EXPECT_EQ(rows(), expected) << folder;
    EXPECT_EQ(window->catalogue().totalbytes(), total) << folder;
    EXPECT_EQ(text("txtdir").isEmpty(), !removed.isEmpty()) << folder;
  }
}

// Stop at any pump keeps the files added before it, in order; the controls are locked until then.
TEST_F(MainFormGathering, StopAtAnyPumpKeepsWhatWasAddedBefore) {
  files({"a.txt", "b.txt", "s1/x", "s1/y", "s1/z", "s2/x", "s2/y", "s2/z", "s3/x", "s3/y", "s3/z"});
  add(tree.root(), true);
  const QStringList full = rows();
  const int pumps = pump.calls;
  const char* const locked[] = {"txtdir",     "cmddir",  "txtpattern", "txtlimit",
                                "chkrecurse", "cmdsave", "cmdsearch",  "cmdload"};
  for (int at = 1; at <= pumps; ++at) {
    SCOPED_TRACE(at);
    pump = {};
    pump.onPump = [&](int call) {
      for (const char* name : locked) EXPECT_FALSE(control(name).enabled) << name;
      if (call == at) window->cmdstop_Click();
    };
    add(tree.root(), true);
    const QStringList kept = rows();
    EXPECT_EQ(kept, full.mid(0, kept.size()));
    EXPECT_TRUE(at == pumps || kept.size() < full.size()) << "only the last pump comes after the last file";
    EXPECT_TRUE(window->run().stopflag && !control("framain").visible && control("lbllevel").visible &&
                control("cmdstop").tag.isEmpty());
    for (const char* name : locked) EXPECT_TRUE(control(name).enabled) << name;
    EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list %1 of 0 Megabytes").arg(kept.size()));
  }
}

// A folder that vanishes during the walk (both readings fail) or after it is named once, at the end.
TEST_F(MainFormGathering, FoldersThatCannotBeReadAreNamedOnceAtTheEnd) {
  files({"top.txt", "keep/k.txt"});
  for (const bool duringWalk : {true, false}) {
    SCOPED_TRACE(duringWalk ? "during the walk" : "after the walk");
    tree.file("v/x.txt");
    // The walk has read the top when it first pumps; "keep/k.txt" is listed before "v" is read.
    pump.onPump = [&](int) {
      if (control("cmdstop").tag == "1" && (duringWalk || window->catalogue().lstmain().count() == 2))
        QDir(tree.path("v")).removeRecursively();
    };
    messages.shown.clear();
    add(tree.root(), true);
    EXPECT_EQ(rows(), QStringList({"top.txt", "keep/k.txt"}));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "1 folder could not be read, so its files were not added:\r\n" + tree.path("v"));
  }
  messages.shown.clear();
  pump.onPump = nullptr;
  add(tree.root(), true);
  EXPECT_TRUE(messages.shown.isEmpty()) << "a later Add starts afresh";
}

// Every way of gathering switches the availability timer on, so the commands follow the lists.
TEST_F(MainFormGathering, EveryAddSwitchesTheAvailabilityTimerOn) {
  files({"a.bin"});
  const std::pair<const char*, std::function<void()>> gatherings[] = {
      {"Add", [&] { add(tree.root()); }},
      {"Add of a missing folder", [&] { add(tree.path("missing")); }},
      {"the path switch", [&] { window->addpath(tree.root(), false); }},
      {"a drop on the folder box", [&] { window->dropOnFolderBox({tree.root()}); }},
  };
  for (const auto& [what, gather] : gatherings) {
    window = makeWindow();
    ASSERT_FALSE(control("Timer").enabled);
    gather();
    EXPECT_TRUE(control("Timer").enabled) << what;
  }
}

}  // namespace
