// Deleting burned files: only after Yes, only the checked lower entries, links as links,
// failures told and kept, and both lists purged of what is gone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/Trash.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

// Three gathered files, all searched into the lower list, the second unchecked there.
void prepare(TestWindow& t) {
  t.gather({{"a.bin", 1}, {"b.bin", 1}, {"c.bin", 1}});
  t.window.setLimitText(QStringLiteral("10"));
  t.window.cmdsearch_Click();
  t.window.catalogue().lstsec().setChecked(1, false);
  t.trash.removes = true;
}

TEST(DeleteFiles, CheckedFilesGoAfterYesAndLeaveBothLists) {
  TestWindow t;
  prepare(t);
  t.messages.answers = {true};
  t.window.cmddelete_Click();
  ASSERT_EQ(t.messages.asked.size(), 1);
  EXPECT_EQ(t.messages.asked[0].title, QStringLiteral("Delete files"));
  EXPECT_EQ(t.trash.received, (QStringList{t.in("a.bin"), t.in("c.bin")}));
  EXPECT_EQ(t.lower(), QStringList{t.in("b.bin")});
  EXPECT_EQ(t.upper(), QStringList{"b.bin"});
  EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST(DeleteFiles, NoTouchesNothingAndAnEmptyListAsksButTrashesNothing) {
  TestWindow t;
  prepare(t);
  t.window.cmddelete_Click();  // answered No
  EXPECT_TRUE(t.trash.received.isEmpty());
  EXPECT_EQ(t.lower().size(), 3);
  t.window.catalogue().lstsec().clear();
  t.messages.answers = {true};
  t.window.cmddelete_Click();
  EXPECT_EQ(t.messages.asked.size(), 2);
  EXPECT_TRUE(t.trash.received.isEmpty());
}

TEST(DeleteFiles, AFileThatCannotBeTrashedIsToldAndKept) {
  TestWindow t;
  prepare(t);
  t.trash.refuses = {t.in("c.bin")};
  t.messages.answers = {true};
  t.window.cmddelete_Click();
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_TRUE(t.messages.shown[0].text.endsWith(t.in("c.bin")));
  EXPECT_FALSE(t.messages.shown[0].text.contains(t.in("a.bin")));
  EXPECT_EQ(t.lower(), (QStringList{t.in("b.bin"), t.in("c.bin")}));
  EXPECT_EQ(t.upper(), (QStringList{"b.bin", "c.bin"}));
}

TEST(DeleteFiles, EntriesOfFilesAlreadyGoneLeaveEvenUncheckedAndCaseCounts) {
  TestWindow t;
  t.gather({{"A.bin", 1}, {"a.bin", 1}});
  t.window.setLimitText(QStringLiteral("10"));
  t.window.cmdsearch_Click();
  for (int row = 0; row < 2; ++row) t.window.catalogue().lstsec().setChecked(row, false);
  ASSERT_EQ(::unlink(QFile::encodeName(t.in("a.bin")).constData()), 0);  // burned and removed elsewhere
  t.messages.answers = {true};
  t.window.cmddelete_Click();
  EXPECT_TRUE(t.trash.received.isEmpty());
  EXPECT_EQ(t.lower(), QStringList{t.in("A.bin")});
  EXPECT_EQ(t.upper(), QStringList{"A.bin"});  // a different file, though its name differs only in case
}

TEST(DeleteFiles, CheckedFilesEndInTheDesktopTrashOfTheTestHome) {
  TestWindow t;
  platform::FreedesktopTrash desktop;
  shell::MainForm w{shell::Services{t.messages, t.picker, t.pump, t.registry, nullptr, QString(), &t.dialogs, &desktop}};
  t.gather({{"keep.bin", 1}, {"burned.bin", 1}}, false);
  w.form()(QStringLiteral("txtdir")).text = t.tree.path("in");
  w.cmdadd_Click();
  w.cmdsearch_Click();
  w.catalogue().lstsec().setChecked(1, false);  // rows are in name order: burned, keep
  t.messages.answers = {true};
  w.cmddelete_Click();
  const QDir trashed(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files");
  EXPECT_TRUE(trashed.exists("burned.bin"));
  EXPECT_FALSE(QFileInfo::exists(t.in("burned.bin")));
  EXPECT_TRUE(QFileInfo::exists(t.in("keep.bin")));
  ASSERT_EQ(w.catalogue().lstsec().count(), 1);
  EXPECT_EQ(w.catalogue().lstsec().at(0).text, t.in("keep.bin"));
  EXPECT_EQ(w.catalogue().lstmain().count(), 1);
}

TEST(DeleteFiles, TheDesktopTrashTakesALinkAsTheLink) {
  testing_support::TempTree tree;
  tree.file("target.bin", 10);
  tree.symlink(tree.path("target.bin"), "link.bin");
  tree.file("plain.bin", 10);
  platform::FreedesktopTrash trash;
  EXPECT_TRUE(trash.moveToTrash({tree.path("link.bin"), tree.path("plain.bin")}).isEmpty());
  EXPECT_FALSE(QFileInfo(tree.path("link.bin")).isSymLink());
  EXPECT_FALSE(QFileInfo::exists(tree.path("plain.bin")));
  EXPECT_TRUE(QFileInfo::exists(tree.path("target.bin")));
  const QDir trashed(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files");
  EXPECT_TRUE(QFileInfo(trashed.filePath("link.bin")).isSymLink());
  EXPECT_TRUE(trashed.exists("plain.bin"));
}

}  // namespace
