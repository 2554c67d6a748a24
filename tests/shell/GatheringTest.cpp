// Add, Remove and Stop through MainForm with scripted services: the walk, the faults mended in
// Add and Remove, the history and the progress display. Browse and drops: see the window tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <climits>
#include <functional>
#include <memory>

#include "shell/MainForm.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

namespace {

using platform::MessageIcon;
using testing_support::TempTree;

class MainFormGathering : public ::testing::Test {
 protected:
  void SetUp() override { window = makeWindow(QString()); }

  std::unique_ptr<shell::MainForm> makeWindow(const QString& programFolder) {
    return std::make_unique<shell::MainForm>(shell::Services{messages, picker, pump, registry, nullptr, programFolder});
  }
  catalogue::Control& control(const char* name, int index = -1) {
    return window->form()(QString::fromLatin1(name), index);
  }
  QString text(const char* name) { return control(name).text; }
  void files(std::initializer_list<const char*> relative, qint64 size = 0) {
    for (const char* f : relative) tree.file(QString::fromUtf8(f), size);
  }

  // Add or Remove on a folder of the tree ("" is the root itself).
  void add(const QString& relative, bool recurse = false) {
    select(relative, recurse);
    window->cmdadd_Click();
  }
  void remove(const QString& relative, bool recurse) {
    select(relative, recurse);
    window->cmddel_Click();
  }
  void select(const QString& relative, bool recurse) {
    control("txtdir").text = relative.isEmpty() ? tree.root() : tree.path(relative);
    control("chkrecurse").value = recurse ? 1 : 0;
  }

  // The upper rows as paths below `root`, in list order.
  QStringList rows(const QString& root) const {
    QStringList out;
    const catalogue::FileList& list = window->catalogue().lstmain();
    for (int row = 0; row < list.count(); ++row) out.append(list.fullPath(row).mid(root.size() + 1));
    return out;
  }
  QStringList rows() const { return rows(tree.root()); }

  // A tick of the window's timer, which runs only while its record is on.
  void tick() {
    if (control("Timer").enabled) window->Timer_Timer();
  }

  TempTree tree;
  testing_support::ScriptedPump pump;
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPicker picker;
  testing_support::TestValueStore registry;
  std::unique_ptr<shell::MainForm> window;
};

TEST_F(MainFormGathering, AddTakesFilesThenWalksSubfoldersDepthFirstIgnoringCase) {
  files({"B.txt", "a.txt", "c.txt", "Zeta/z.txt", "alpha/a1.txt", "alpha/inner/i.txt", "beta/b1.txt", ".hid/h.txt",
         ".hidden.txt", "what?/q.txt", "star*/s.txt", "star*/in?side/i.txt"});
  tree.symlink(tree.root(), QStringLiteral("alpha/loop"));  // a cycle back to the top
  tree.symlink(tree.path(QStringLiteral("alpha")), QStringLiteral("alias"));

  add(QString());
  EXPECT_EQ(rows(), QStringList({"a.txt", "B.txt", "c.txt"}));

  add(QString(), true);
  EXPECT_EQ(rows(), QStringList({"a.txt", "B.txt", "c.txt", ".hid/h.txt", "alpha/a1.txt", "alpha/inner/i.txt",
                                 "beta/b1.txt", "star*/s.txt", "star*/in?side/i.txt", "what?/q.txt", "Zeta/z.txt"}));
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainFormGathering, HistoryKeepsTheLastEightFoldersOnceEach) {
  QStringList folders;
  for (int i = 1; i <= 9; ++i) {
    const QString name = QStringLiteral("d%1").arg(i);
    tree.file(name + QStringLiteral("/f.txt"));
    folders.append(tree.path(name));
    add(name);
  }
  QStringList& history = control("txtdir").items;
  EXPECT_EQ(history, folders.mid(1));

  add(QStringLiteral("D5"));  // the same folder in other letters is not remembered twice
  EXPECT_EQ(history, folders.mid(1));

  remove(QStringLiteral("d3"), false);
  folders.removeAt(2);
  EXPECT_EQ(history, folders.mid(1));
}

TEST_F(MainFormGathering, ProgramFolderWarningComesOncePerAdd) {
  window = makeWindow(tree.root());
  files({"a.txt", "b.txt", "c.txt", "sub/d.txt"});
  for (int round = 1; round <= 2; ++round) {
    add(QString(), true);
    EXPECT_EQ(rows().size(), 4);
    ASSERT_EQ(messages.shown.size(), round);
    EXPECT_EQ(messages.shown.last().title, QStringLiteral("Fillpack"));
    EXPECT_EQ(messages.shown.last().text,
              QStringLiteral("Add files from Application path reason set in CD/DVD in drive, change or set in CD/DVD "
                             "and ''Ok'' continue"));
    EXPECT_EQ(messages.shown.last().icon, MessageIcon::Information);
  }
}

// A folder that cannot be opened adds nothing, not even the program folder's files.
TEST_F(MainFormGathering, FolderThatCannotBeOpenedAddsNothing) {
  files({"prog/p.txt", "other/o.txt"});
  window = makeWindow(tree.path(QStringLiteral("prog")));
  const QString missing = tree.path(QStringLiteral("missing"));
  const std::pair<QString, QString> cases[] = {
      {missing, QStringLiteral("The folder \"%1\" cannot be opened, so no files were added from it.").arg(missing)},
      {QString(), QStringLiteral("No folder is named in the folder box, so no files were added.")},
  };
  for (const auto& [folder, message] : cases) {
    for (const bool recurse : {false, true}) {
      add(QStringLiteral("other"));
      ASSERT_EQ(rows(), QStringList({"other/o.txt"}));
      messages.shown.clear();
      control("txtdir").text = folder;
      control("chkrecurse").value = recurse ? 1 : 0;
      window->cmdadd_Click();
      EXPECT_TRUE(rows().isEmpty()) << folder.toStdString();
      ASSERT_EQ(messages.shown.size(), 1);
      EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fillpack"));
      EXPECT_EQ(messages.shown[0].text, message);
      EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
      EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list 0 of 0 Megabytes"));
    }
  }
}

// Everything below the folder goes, whatever the folder lists now; "Musicals" and "music"
// are not below "Music". The folder box is emptied only when something went.
TEST_F(MainFormGathering, RecursiveRemoveTakesOnlyTheFolderAndBelow) {
  struct Case {
    const char* folder;
    bool deleteFirst;
    QStringList remaining;
  };
  const QStringList all = {"Empty/only/e.txt", "Music/m.txt", "Music/deep/d.txt", "music/l.txt", "Musicals/s.txt",
                           "Other/o.txt"};
  const Case cases[] = {
      {"Music", false, {"Empty/only/e.txt", "music/l.txt", "Musicals/s.txt", "Other/o.txt"}},
      {"Music/", false, {"Empty/only/e.txt", "music/l.txt", "Musicals/s.txt", "Other/o.txt"}},
      {"Empty", false, {"Music/m.txt", "Music/deep/d.txt", "music/l.txt", "Musicals/s.txt", "Other/o.txt"}},
      {"Other", true, {"Empty/only/e.txt", "Music/m.txt", "Music/deep/d.txt", "music/l.txt", "Musicals/s.txt"}},
      {"Nowhere", false, all},
  };
  for (const Case& c : cases) {
    TempTree local;
    for (const QString& f : all) local.file(f);
    control("txtdir").text = local.root();
    control("chkrecurse").value = 1;
    window->cmdadd_Click();
    if (c.deleteFirst) QDir(local.path(QString::fromLatin1(c.folder))).removeRecursively();
    control("txtdir").text = local.path(QString::fromLatin1(c.folder));
    window->cmddel_Click();
    EXPECT_EQ(rows(local.root()), c.remaining) << c.folder;
    EXPECT_EQ(text("txtdir").isEmpty(), c.remaining.size() < all.size()) << c.folder;
  }
  EXPECT_EQ(text("lblcurrent"), QStringLiteral("Current level of CD utilization"));
  EXPECT_FALSE(control("framain").visible);
}

TEST_F(MainFormGathering, PlainRemoveTakesOnlyFilesTheFolderListsNow) {
  files({"a.txt", "b.txt", "c.txt", "sub/a.txt"}, 100);
  add(QString(), true);
  ASSERT_EQ(rows().size(), 4);
  QFile::remove(tree.path(QStringLiteral("b.txt")));
  tree.file(QStringLiteral("d.txt"));

  remove(QString(), false);
  EXPECT_EQ(rows(), QStringList({"b.txt", "sub/a.txt"}));
  EXPECT_EQ(window->catalogue().totalbytes(), 400) << "removing does not reduce the total";
  EXPECT_TRUE(text("txtdir").isEmpty());

  remove(QString(), false);  // nothing left to take: the box keeps the folder
  EXPECT_EQ(rows(), QStringList({"b.txt", "sub/a.txt"}));
  EXPECT_EQ(text("txtdir"), tree.root());
}

TEST_F(MainFormGathering, AddResetsTotalAndPartCount) {
  tree.file(QStringLiteral("big/a.bin"), 3 * 1048576);
  files({"big/b.bin", "small/c.bin"}, 1048576);
  add(QStringLiteral("big"));
  EXPECT_EQ(window->catalogue().totalbytes(), 4 * 1048576);
  EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list 2 of 4 Megabytes"));
  control("lblCountCDTotal").text = QStringLiteral("4 CDs");
  window->run().partcount = 4;
  add(QStringLiteral("small"));
  EXPECT_EQ(window->catalogue().totalbytes(), 1048576);
  EXPECT_TRUE(text("lblCountCDTotal").isEmpty());
  EXPECT_EQ(window->run().partcount, 0);
  EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list 1 of 1 Megabytes"));
}

// Two files on top, then three subfolders with three files each. A first Add watches the
// walk; then Stop is pressed at every pump in turn.
TEST_F(MainFormGathering, StopAtAnyPumpKeepsWhatWasAddedBefore) {
  files({"a.txt", "b.txt", "s1/x", "s1/y", "s1/z", "s2/x", "s2/y", "s2/z", "s3/x", "s3/y", "s3/z"});
  const char* const locked[] = {"txtdir", "cmddir", "txtpattern", "txtlimit", "chkrecurse", "cmdsave", "cmdsearch",
                                "cmdload"};
  const auto enabledControls = [&] {
    int n = control("optmain", 0).enabled + control("optmain", 1).enabled;
    for (const char* name : locked) n += control(name).enabled;
    return n;
  };
  int walkStart = 0;
  pump.onPump = [&](int call) {
    if (walkStart > 0 || control("cmdstop").tag != QStringLiteral("1")) return;
    walkStart = call;
    EXPECT_FALSE(control("lbllevel").visible);
    EXPECT_EQ(enabledControls(), 0) << "the walk locks the controls";
  };
  add(QString(), true);
  const QStringList full = rows();
  const int pumps = pump.calls;
  ASSERT_EQ(full.size(), 11);
  ASSERT_GT(walkStart, 0);

  for (int at = 1; at <= pumps; ++at) {
    pump = {};
    pump.onPump = [this, at](int call) {
      if (call == at) window->cmdstop_Click();
    };
    add(QString(), true);
    const QStringList kept = rows();
    EXPECT_EQ(kept, full.mid(0, kept.size())) << "stop at pump " << at;
    if (at == walkStart) {
      EXPECT_EQ(kept, QStringList({"a.txt", "b.txt"})) << "a stop inside the walk loses the subfolders' files";
    }
    EXPECT_TRUE(window->run().stopflag) << at;
    EXPECT_FALSE(control("framain").visible) << at;
    EXPECT_TRUE(control("lbllevel").visible) << at;
    EXPECT_TRUE(control("cmdstop").tag.isEmpty()) << at;
    EXPECT_EQ(enabledControls(), 10) << at;
    EXPECT_EQ(text("lblcurrent"), QStringLiteral("Current level of CD utilization")) << at;
    EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list %1 of 0 Megabytes").arg(kept.size())) << at;
  }
}

// Trees deeper than any path the kernel takes whole: every file of every level is listed.
TEST_F(MainFormGathering, DeepTreesListEveryFile) {
  const struct {
    const char* what;
    QString name;
    int levels;
  } cases[] = {
      {"3000 levels of one-letter names", QStringLiteral("d"), 3000},
      {"40 levels of 200-letter names", QString(200, u'n'), 40},
  };
  for (const auto& [what, name, levels] : cases) {
    SCOPED_TRACE(what);
    TempTree deep;
    const QString deepest = deep.chain(QString(), name, levels, QStringLiteral("f.txt"));
    ASSERT_GT(deepest.size(), PATH_MAX);
    control("txtdir").text = deep.root();
    control("chkrecurse").value = 1;
    window->cmdadd_Click();
    const catalogue::FileList& list = window->catalogue().lstmain();
    ASSERT_EQ(list.count(), levels);
    EXPECT_EQ(list.fullPath(levels - 1), deepest + QStringLiteral("/f.txt")) << "the deepest comes last";
    EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list %1 of 0 Megabytes").arg(levels));
    EXPECT_TRUE(messages.shown.isEmpty());
  }
}

// Folders that vanish while the Add runs cannot be read: the Add goes on and names them
// at its end in one message, each once even when both its readings failed.
TEST_F(MainFormGathering, FoldersThatCannotBeReadAreNamedOnceAtTheEnd) {
  const struct {
    int vanishing;
    bool duringWalk;  // else once the walk has read them, before their files are listed
    const char* head;
    int named;
    const char* tail;
  } cases[] = {
      {1, true, "1 folder could not be read, so its files were not added:", 1, ""},
      {6, false, "6 folders could not be read, so their files were not added:", 5, "\r\nand 1 more"},
  };
  for (const auto& [vanishing, duringWalk, head, named, tail] : cases) {
    SCOPED_TRACE(testing::Message() << vanishing << (duringWalk ? " during the walk" : " after the walk"));
    TempTree local;
    local.file(QStringLiteral("top.txt"));
    local.file(QStringLiteral("keep/k.txt"));
    for (int i = 1; i <= vanishing; ++i) local.file(QStringLiteral("v%1/x.txt").arg(i));
    // The walk has read the top folder's entries when it first lets the window in; "keep"
    // comes first, so its file is in the list before any "v" folder is read for files.
    bool gone = false;
    pump.onPump = [&](int) {
      const bool walking = control("cmdstop").tag == QStringLiteral("1");
      const bool now = duringWalk ? walking : walking && window->catalogue().lstmain().count() == 2;
      if (gone || !now) return;
      gone = true;
      for (int i = 1; i <= vanishing; ++i) QDir(local.path(QStringLiteral("v%1").arg(i))).removeRecursively();
    };
    messages.shown.clear();
    control("txtdir").text = local.root();
    control("chkrecurse").value = 1;
    window->cmdadd_Click();
    EXPECT_EQ(rows(local.root()), QStringList({"top.txt", "keep/k.txt"}));
    QString expected = QString::fromLatin1(head);
    for (int i = 1; i <= named; ++i) expected += QStringLiteral("\r\n") + local.path(QStringLiteral("v%1").arg(i));
    expected += QString::fromLatin1(tail);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Fillpack"));
    EXPECT_EQ(messages.shown[0].text, expected);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  }
  messages.shown.clear();
  pump.onPump = nullptr;
  add(QString(), true);
  EXPECT_TRUE(messages.shown.isEmpty()) << "a later Add starts afresh";
}

TEST_F(MainFormGathering, LockedFolderIsSkippedAndNamed) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads a locked folder; the headless run checks it as another user";
  files({"a.txt", "locked/secret.txt", "open/o.txt"});
  tree.lock(QStringLiteral("locked"));
  add(QString(), true);
  EXPECT_EQ(rows(), QStringList({"a.txt", "open/o.txt"}));
  ASSERT_EQ(messages.shown.size(), 1);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("1 folder could not be read, so its files were not added:\r\n") +
                                        tree.path(QStringLiteral("locked")));
}

// The window's timer ticks only while its record is on. Every way of gathering puts it
// on, so the output commands follow the lower list after a search.
TEST_F(MainFormGathering, EveryAddSwitchesTheAvailabilityTimerOn) {
  files({"a.bin", "sub/b.bin"}, 1000);
  const std::pair<const char*, std::function<void()>> gatherings[] = {
      {"Add", [&] { add(QString()); }},
      {"Add with subfolders", [&] { add(QString(), true); }},
      {"Add of a missing folder", [&] { add(QStringLiteral("missing")); }},
      {"the path switch", [&] { window->addpath(tree.root(), false); }},
      {"a drop on the folder box", [&] { window->dropOnFolderBox({tree.root()}); }},
  };
  for (const auto& [what, gather] : gatherings) {
    window = makeWindow(QString());
    ASSERT_FALSE(control("Timer").enabled);
    gather();
    EXPECT_TRUE(control("Timer").enabled) << what;
  }

  window = makeWindow(QString());
  add(QString());
  window->cmdsearch_Click();
  ASSERT_EQ(window->catalogue().lstsec().count(), 1);
  tick();
  for (const char* name : {"cmddelete", "cmdsave", "cmdCopy", "cmdClipBoard"}) EXPECT_TRUE(control(name).enabled) << name;
}

}  // namespace
