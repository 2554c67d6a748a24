// Add, Remove, Browse, drops and Stop on the lists alone; the window's records: see tests/shell/GatheringRecordsTest.
#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "support/CatalogueFakes.h"

namespace {

using platform::MessageIcon;
using Commands = testing_support::CatalogueCommands;

// The program's folder is "prog" in the tree.
class Gathering : public ::testing::Test, protected Commands {
 protected:
  Gathering() : Commands("prog") {}
  void files(std::initializer_list<const char*> names, qint64 size = 0) { for (auto f : names) tree.file(f, size); }
  QString path(const QString& relative) const { return tree.path(relative); }
};

// Own files first, then subfolders depth first, ignoring case; links to folders are not followed.
TEST_F(Gathering, AddTakesFilesThenWalksSubfoldersDepthFirstIgnoringCase) {
  files({"B.txt", "a.txt", "c.txt", "Zeta/z.txt", "alpha/a1.txt", "alpha/inner/i.txt", "beta/b1.txt", ".hid/h.txt",
         ".hidden.txt", "what?/q.txt", "star*/s.txt", "star*/in?side/i.txt"});
  tree.symlink(tree.root(), "alpha/loop");
  tree.symlink(path("alpha"), "alias");
  add(tree.root(), true);
  EXPECT_EQ(rows(), QStringList({"a.txt", "B.txt", "c.txt", ".hid/h.txt", "alpha/a1.txt", "alpha/inner/i.txt",
                                    "beta/b1.txt", "star*/s.txt", "star*/in?side/i.txt", "what?/q.txt", "Zeta/z.txt"}));
  EXPECT_TRUE(messages.shown.isEmpty());
}

// The last eight folders added, each once whatever the case of its letters; Remove forgets one.
TEST_F(Gathering, HistoryKeepsTheLastEightFoldersOnceEach) {
  QStringList folders;
  for (int i = 1; i <= 9; ++i) {
    folders.append(path(QStringLiteral("d%1").arg(i)));
    tree.file(QStringLiteral("d%1/f.txt").arg(i));
    add(folders.last());
  }
  EXPECT_EQ(view.history, folders.mid(1));
  add(path("D5"));
  EXPECT_EQ(view.history, folders.mid(1));
  remove(path("d3"));
  folders.removeAt(2);
  EXPECT_EQ(view.history, folders.mid(1));
}

// Gathering the program's own folder warns once per Add, not once per folder or file.
TEST_F(Gathering, ProgramFolderWarningComesOncePerAdd) {
  files({"prog/a.txt", "prog/b.txt", "prog/sub/d.txt"});
  add(path("prog"), true);
  add(path("prog"), true);
  EXPECT_EQ(rows().size(), 3);
  EXPECT_EQ(messages.shown.size(), 2);
}

// An Add of a folder that cannot be opened, or of none, starts afresh, adds nothing and says so.
TEST_F(Gathering, AddOfAFolderThatCannotBeOpenedStartsAfreshAndSaysSo) {
  files({"prog/p.txt"});
  files({"other/o.txt"}, 1048576);
  const QString missing = path("missing");
  const std::pair<QString, QString> cases[] = {
      {missing, QStringLiteral("The folder \"%1\" cannot be opened, so no files were added from it.").arg(missing)},
      {QString(), "No folder is named in the folder box, so no files were added."},
  };
  for (const auto& [folder, message] : cases) {
    for (const bool recurse : {false, true}) {
      add(path("other"));
      view.partsCleared = false;
      run.partcount = 4;
      messages.shown.clear();
      add(folder, recurse);
      EXPECT_TRUE(rows().isEmpty()) << folder.toStdString();
      EXPECT_EQ(catalogue.upperSummary(), "Files in list 0 of 0 Megabytes");
      EXPECT_TRUE(view.partsCleared && run.partcount == 0);
      ASSERT_EQ(messages.shown.size(), 1);
      EXPECT_TRUE(messages.shown[0].text == message && messages.shown[0].icon == MessageIcon::Exclamation);
    }
  }
}

// Remove takes what the folder lists now, or all below it ("Musicals" is not); the total stays.
TEST_F(Gathering, RemoveTakesTheFolderOnlyAndWithSubfoldersEverythingBelow) {
  const struct { const char* folder; bool recurse, deleteFirst; QStringList removed; } cases[] = {
      {"Music", true, false, {"Music/m.txt", "Music/deep/d.txt"}},
      {"Music/", true, false, {"Music/m.txt", "Music/deep/d.txt"}},
      {"Empty", true, false, {"Empty/only/e.txt"}},
      {"Nowhere", true, false, {}},
      {"Music", false, false, {"Music/m.txt"}},
      {"Gone", false, true, {}},
      {"Other", true, true, {"Other/o.txt"}},
  };
  files({"Empty/only/e.txt", "Gone/g.txt", "Music/m.txt", "Music/deep/d.txt", "music/l.txt", "Musicals/s.txt",
         "Other/o.txt"}, 1);
  for (const auto& [folder, recurse, deleteFirst, removed] : cases) {
    add(tree.root(), true);
    QStringList expected = rows();
    for (const QString& f : removed) expected.removeOne(f);
    const qint64 total = catalogue.totalbytes();
    if (deleteFirst) QDir(path(folder)).removeRecursively();
    view.folder = path(folder);
    remove(path(folder), recurse);
    EXPECT_EQ(rows(), expected) << folder;
    EXPECT_EQ(catalogue.totalbytes(), total) << folder;
    EXPECT_EQ(view.folder.isEmpty(), !removed.isEmpty()) << folder;
  }
}

// Stop at any pump keeps the files added before it, in order; the choices are locked until then.
TEST_F(Gathering, StopAtAnyPumpKeepsWhatWasAddedBefore) {
  files({"a.txt", "b.txt", "s1/x", "s1/y", "s1/z", "s2/x", "s2/y", "s2/z", "s3/x", "s3/y", "s3/z"});
  add(tree.root(), true);
  const QStringList full = rows();
  const int pumps = pump.calls;
  for (int at = 1; at <= pumps; ++at) {
    SCOPED_TRACE(at);
    pump = {};
    pump.onPump = [&](int call) {
      EXPECT_TRUE(view.busy);
      if (call == at) run.stopflag = true;
    };
    const int ends = progress.ends;
    add(tree.root(), true);
    const QStringList kept = rows();
    EXPECT_EQ(kept, full.mid(0, kept.size()));
    EXPECT_TRUE(at == pumps || kept.size() < full.size()) << "only the last pump comes after the last file";
    EXPECT_TRUE(run.stopflag && progress.shown.isEmpty() && progress.ends == ends + 1 && !view.busy);
    EXPECT_EQ(catalogue.upperSummary(), QStringLiteral("Files in list %1 of 0 Megabytes").arg(kept.size()));
  }
}

// A folder that vanishes during the walk (both readings fail) or after it is named once, at the end.
TEST_F(Gathering, FoldersThatCannotBeReadAreNamedOnceAtTheEnd) {
  files({"top.txt", "keep/k.txt"});
  for (const bool duringWalk : {true, false}) {
    SCOPED_TRACE(duringWalk ? "during the walk" : "after the walk");
    tree.file("v/x.txt");
    // The walk has read the top when it first pumps; "keep/k.txt" is listed before "v" is read.
    pump.onPump = [&](int) {
      if (!progress.shown.isEmpty() && (duringWalk || catalogue.lstmain().count() == 2))
        QDir(path("v")).removeRecursively();
    };
    messages.shown.clear();
    add(tree.root(), true);
    EXPECT_EQ(rows(), QStringList({"top.txt", "keep/k.txt"}));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "1 folder could not be read, so its files were not added:\r\n" + path("v"));
  }
  messages.shown.clear();
  pump.onPump = nullptr;
  add(tree.root(), true);
  EXPECT_TRUE(messages.shown.isEmpty()) << "a later Add starts afresh";
}

// Every way of gathering makes the commands follow the lists; a drop on the list offers Search at once.
TEST_F(Gathering, EveryGatheringMakesTheCommandsFollowTheLists) {
  files({"a.bin"});
  const std::tuple<const char*, std::function<void(Commands&)>, bool> gatherings[] = {
      {"Add", [&](Commands& c) { c.add(c.tree.root()); }, false},
      {"Add of a missing folder", [&](Commands& c) { c.add(c.tree.path("missing")); }, false},
      {"a drop on the folder box", [&](Commands& c) { c.gathering.dropOnFolderBox({c.tree.root()}, c.request()); }, false},
      {"a drop on the list", [&](Commands& c) { c.gathering.dropOnUpperList({c.tree.root()}, c.request()); }, true},
  };
  for (const auto& [what, gather, offered] : gatherings) {
    Commands c;
    gather(c);
    EXPECT_TRUE(c.view.following) << what;
    EXPECT_EQ(c.view.searchOffered, offered) << what;
  }
}

}  // namespace
