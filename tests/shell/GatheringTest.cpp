// Add, Remove, Browse, drop and Stop driven through MainForm with scripted services.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <memory>
#include <optional>

#include "shell/MainForm.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

namespace {

using platform::MessageIcon;
using testing_support::TempTree;

const QString programFolderWarning = QStringLiteral(
    "Add files from Application path reason set in CD/DVD in drive, change or set in CD/DVD and ''Ok'' continue");

class MainFormGathering : public ::testing::Test {
 protected:
  void SetUp() override { window = makeWindow(QString()); }

  std::unique_ptr<shell::MainForm> makeWindow(const QString& programFolder, platform::IconProvider* icons = nullptr) {
    return std::make_unique<shell::MainForm>(
        shell::Services{messages, picker, pump, registry, icons, programFolder});
  }

  catalogue::Control& control(const char* name, int index = -1) {
    return window->form()(QString::fromLatin1(name), index);
  }
  QString text(const char* name) { return control(name).text; }

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
  void setPattern(const QString& pattern, bool exclusive) {
    control("txtpattern").text = pattern;
    control("optmain", 0).value = exclusive ? 0 : 1;
    control("optmain", 1).value = exclusive ? 1 : 0;
  }

  // The upper rows as paths below the tree root, in list order.
  QStringList rows() const {
    QStringList out;
    const catalogue::FileList& list = window->catalogue().lstmain();
    for (int row = 0; row < list.count(); ++row)
      out.append(list.fullPath(row).mid(tree.root().size() + 1));
    return out;
  }

  TempTree tree;
  testing_support::ScriptedPump pump;
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPicker picker;
  testing_support::TestValueStore registry;
  std::unique_ptr<shell::MainForm> window;
};

TEST_F(MainFormGathering, AddTakesFilesThenWalksSubfoldersDepthFirstIgnoringCase) {
  for (const char* f : {"B.txt", "a.txt", "c.txt", "Zeta/z.txt", "alpha/a1.txt", "alpha/inner/i.txt", "beta/b1.txt",
                        ".hid/h.txt", ".hidden.txt"})
    tree.file(QString::fromLatin1(f));
  tree.symlink(tree.root(), QStringLiteral("alpha/loop"));  // a cycle back to the top
  tree.symlink(tree.path(QStringLiteral("alpha")), QStringLiteral("alias"));

  add(QString());
  EXPECT_EQ(rows(), QStringList({"a.txt", "B.txt", "c.txt"}));

  add(QString(), true);
  EXPECT_EQ(rows(), QStringList({"a.txt", "B.txt", "c.txt", ".hid/h.txt", "alpha/a1.txt", "alpha/inner/i.txt",
                                 "beta/b1.txt", "Zeta/z.txt"}));
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainFormGathering, AddDrawsOneIconPerExtension) {
  testing_support::CountingIconProvider icons;
  window = makeWindow(QString(), &icons);
  for (const char* f : {"a.txt", "b.TXT", "c.mp3"}) tree.file(QString::fromLatin1(f));
  add(QString());
  ASSERT_EQ(rows().size(), 3);
  for (int row = 0; row < 3; ++row) EXPECT_GT(window->catalogue().lstmain().at(row).icon, 0) << row;
  EXPECT_EQ(icons.drawn, QStringList({".txt", ".mp3"}));
}

TEST_F(MainFormGathering, PatternsSelectFilesIgnoringCase) {
  for (const char* f : {"a.tmp", "B.TMP", "c.Bak", "d.txt", "README", "e.mp3", "F.WAV", "g.mp4", "h.wav.txt"})
    tree.file(QString::fromLatin1(f));
  struct Case {
    const char* pattern;
    bool exclusive;
    QStringList expected;
  };
  const Case cases[] = {
      {"*.tmp;*.bak", true, {"d.txt", "e.mp3", "F.WAV", "g.mp4", "h.wav.txt", "README"}},
      {"*.*", true, {"README"}},
      {"*.mp3;*.wav", false, {"e.mp3", "F.WAV"}},
      {"*.*", false, {"a.tmp", "B.TMP", "c.Bak", "d.txt", "e.mp3", "F.WAV", "g.mp4", "h.wav.txt", "README"}},
  };
  for (const Case& c : cases) {
    setPattern(QString::fromLatin1(c.pattern), c.exclusive);
    add(QString());
    EXPECT_EQ(rows(), c.expected) << c.pattern << (c.exclusive ? " exclusive" : " inclusive");
  }
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
  for (const char* f : {"a.txt", "b.txt", "c.txt", "sub/d.txt"}) tree.file(QString::fromLatin1(f));
  for (int round = 1; round <= 2; ++round) {
    add(QString(), true);
    EXPECT_EQ(rows().size(), 4);
    ASSERT_EQ(messages.shown.size(), round);
    EXPECT_EQ(messages.shown.last().title, QStringLiteral("Fillpack"));
    EXPECT_EQ(messages.shown.last().text, programFolderWarning);
    EXPECT_EQ(messages.shown.last().icon, MessageIcon::Information);
  }
}

TEST_F(MainFormGathering, FolderThatCannotBeOpenedAddsNothing) {
  tree.file(QStringLiteral("prog/p.txt"));
  tree.file(QStringLiteral("other/o.txt"));
  window = makeWindow(tree.path(QStringLiteral("prog")));
  const QString cases[] = {tree.path(QStringLiteral("missing")), QString()};
  for (const QString& folder : cases) {
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
      EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
      EXPECT_TRUE(messages.shown[0].text.contains(folder));
      EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list 0 of 0 Megabytes"));
    }
  }
}

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
    QStringList left;
    for (int row = 0; row < window->catalogue().lstmain().count(); ++row)
      left.append(window->catalogue().lstmain().fullPath(row).mid(local.root().size() + 1));
    EXPECT_EQ(left, c.remaining) << c.folder;
    // The box is emptied only when something went.
    EXPECT_EQ(text("txtdir").isEmpty(), c.remaining.size() < all.size()) << c.folder;
  }
}

TEST_F(MainFormGathering, WildcardCharactersInFolderNamesAreWalked) {
  for (const char* f : {"top.txt", "what?/q.txt", "star*/s.txt", "star*/in?side/i.txt"})
    tree.file(QString::fromLatin1(f));
  add(QString(), true);
  EXPECT_EQ(rows(), QStringList({"top.txt", "star*/s.txt", "star*/in?side/i.txt", "what?/q.txt"}));
}

TEST_F(MainFormGathering, PlainRemoveTakesOnlyFilesTheFolderListsNow) {
  for (const char* f : {"a.txt", "b.txt", "c.txt", "sub/a.txt"}) tree.file(QString::fromLatin1(f), 100);
  add(QString(), true);
  ASSERT_EQ(rows().size(), 4);
  const qint64 total = window->catalogue().totalbytes();
  QFile::remove(tree.path(QStringLiteral("b.txt")));
  tree.file(QStringLiteral("d.txt"));

  remove(QString(), false);
  EXPECT_EQ(rows(), QStringList({"b.txt", "sub/a.txt"}));
  EXPECT_EQ(window->catalogue().totalbytes(), total);
  EXPECT_TRUE(text("txtdir").isEmpty());
}

TEST_F(MainFormGathering, RemoveKeepsTheFolderBoxWhenNothingWent) {
  tree.file(QStringLiteral("kept/a.txt"));
  tree.file(QStringLiteral("elsewhere/b.txt"));
  add(QStringLiteral("kept"));
  for (const bool recurse : {false, true}) {
    remove(QStringLiteral("elsewhere"), recurse);
    EXPECT_EQ(text("txtdir"), tree.path(QStringLiteral("elsewhere")));
    EXPECT_EQ(rows(), QStringList({"kept/a.txt"}));
  }
  EXPECT_EQ(text("lblcurrent"), QStringLiteral("Current level of CD utilization"));
  EXPECT_FALSE(control("framain").visible);
}

TEST_F(MainFormGathering, BrowsePutsTheChosenFolderIntoTheBox) {
  picker.answer = QStringLiteral("/srv/data");
  window->cmddir_Click();
  EXPECT_EQ(picker.starts, QStringList({"/"}));
  EXPECT_EQ(picker.prompts, QStringList({"Select an Image Folder"}));
  EXPECT_EQ(text("txtdir"), QStringLiteral("/srv/data/"));

  picker.answer = QStringLiteral("/");
  window->cmddir_Click();
  EXPECT_EQ(picker.starts.last(), QStringLiteral("/srv/data/"));
  EXPECT_EQ(text("txtdir"), QStringLiteral("/"));

  control("txtdir").text = QStringLiteral("/home");
  picker.answer.clear();
  window->cmddir_Click();
  EXPECT_EQ(picker.starts.last(), QStringLiteral("/home"));
  EXPECT_EQ(text("txtdir"), QStringLiteral("/home"));
}

TEST_F(MainFormGathering, DropAddsTheFilesOfDroppedFoldersToTheList) {
  for (const char* f : {"first/a.txt", "one/b.txt", "one/sub/x.txt", "two/c.txt", "two/d.txt", "loose.txt"})
    tree.file(QString::fromLatin1(f));
  add(QStringLiteral("first"), true);
  window->dropOnFolderBox({tree.path(QStringLiteral("one")), tree.path(QStringLiteral("loose.txt")),
                           tree.path(QStringLiteral("two"))});
  EXPECT_EQ(rows(), QStringList({"first/a.txt", "one/b.txt", "two/c.txt", "two/d.txt"}));
  EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list 4 of 0 Megabytes"));
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainFormGathering, AddResetsTotalAndPartCount) {
  tree.file(QStringLiteral("big/a.bin"), 3 * 1048576);
  tree.file(QStringLiteral("big/b.bin"), 1048576);
  tree.file(QStringLiteral("small/c.bin"), 1048576);
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

// The tree of the Stop tests: two files on top, then three subfolders with three each.
void makeStopTree(TempTree& tree) {
  for (const char* f : {"a.txt", "b.txt"}) tree.file(QString::fromLatin1(f));
  for (const char* d : {"s1", "s2", "s3"})
    for (const char* f : {"x.txt", "y.txt", "z.txt"})
      tree.file(QString::fromLatin1(d) + u'/' + QString::fromLatin1(f));
}

TEST_F(MainFormGathering, WalkShowsProgressAndLocksTheControls) {
  makeStopTree(tree);
  struct Seen {
    QString stopTag, current;
    bool frame = false, level = true, anyEnabled = true, load = true;
  };
  std::optional<Seen> seen;
  const char* locked[] = {"txtdir", "cmddir", "txtpattern", "txtlimit", "chkrecurse", "cmdsave", "cmdsearch"};
  // Watches every pump and records the first one inside the walk.
  pump.atCall = 1;
  pump.action = [&] {
    pump.atCall = pump.calls + 1;
    if (seen || control("cmdstop").tag.isEmpty()) return;
    Seen s{control("cmdstop").tag, text("lblcurrent"), control("framain").visible, control("lbllevel").visible, false,
           control("cmdload").enabled};
    for (const char* name : locked) s.anyEnabled = s.anyEnabled || control(name).enabled;
    s.anyEnabled = s.anyEnabled || control("optmain", 0).enabled || control("optmain", 1).enabled;
    seen = s;
  };
  add(QString(), true);
  ASSERT_TRUE(seen.has_value());
  EXPECT_EQ(seen->stopTag, QStringLiteral("1"));
  EXPECT_EQ(seen->current, QStringLiteral("Adding directories"));
  EXPECT_TRUE(seen->frame);
  EXPECT_FALSE(seen->level);
  EXPECT_FALSE(seen->anyEnabled);
  EXPECT_FALSE(seen->load);

  EXPECT_EQ(rows().size(), 11);
  for (const char* name : locked) EXPECT_TRUE(control(name).enabled) << name;
  EXPECT_TRUE(control("optmain", 0).enabled && control("optmain", 1).enabled && control("cmdload").enabled);
  EXPECT_TRUE(control("cmdstop").tag.isEmpty());
  EXPECT_TRUE(control("lbllevel").visible);
  EXPECT_FALSE(control("framain").visible);
  EXPECT_EQ(text("lblcurrent"), QStringLiteral("Current level of CD utilization"));
}

TEST_F(MainFormGathering, StopAtAnyPumpKeepsWhatWasAddedBefore) {
  makeStopTree(tree);
  add(QString(), true);
  const QStringList full = rows();
  const int pumps = pump.calls;
  ASSERT_EQ(full.size(), 11);

  // The first pump of the walk, found by watching.
  int walkStart = 0;
  pump = {};
  pump.atCall = 1;
  pump.action = [&] {
    pump.atCall = pump.calls + 1;
    if (walkStart == 0 && control("cmdstop").tag == QStringLiteral("1")) walkStart = pump.calls;
  };
  add(QString(), true);
  ASSERT_GT(walkStart, 0);

  for (int at = 1; at <= pumps; ++at) {
    pump = {};
    pump.atCall = at;
    pump.action = [this] { window->cmdstop_Click(); };
    add(QString(), true);
    const QStringList kept = rows();
    EXPECT_EQ(kept, full.mid(0, kept.size())) << "stop at pump " << at;
    if (at == walkStart) {
      EXPECT_EQ(kept, QStringList({"a.txt", "b.txt"}));
    }
    EXPECT_TRUE(window->run().stopflag) << at;
    EXPECT_FALSE(control("framain").visible) << at;
    EXPECT_TRUE(control("cmdstop").tag.isEmpty()) << at;
    EXPECT_EQ(text("lblcurrent"), QStringLiteral("Current level of CD utilization")) << at;
    EXPECT_EQ(text("lblCountList"), QStringLiteral("Files in list %1 of 0 Megabytes").arg(kept.size())) << at;
  }
  // A stop inside the walk always loses the subfolders' files.
  pump = {};
  pump.atCall = walkStart + 1;
  pump.action = [this] { window->cmdstop_Click(); };
  add(QString(), true);
  EXPECT_LT(rows().size(), full.size());
}

}  // namespace
