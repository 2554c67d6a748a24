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

// The lower result shown after a deletion is that of the rows left, all three figures.
TEST(DeleteFiles, TotalSummaryAndUtilizationFollowTheRowsLeft) {
  TestWindow t;
  t.gather({{"a.bin", 10}, {"b.bin", 20}, {"c.bin", 10}});
  t.window.setLimitText(QStringLiteral("80"));
  t.window.cmdsearch_Click();
  ASSERT_EQ(t["lblCountList2"].text, QStringLiteral("3 Files of 40 Megabytes"));
  t.window.catalogue().lstsec().setChecked(1, false);
  t.trash.removes = true;
  t.messages.answers = {true};
  t.window.cmddelete_Click();
  EXPECT_EQ(t.lower(), QStringList{t.in("b.bin")});
  EXPECT_EQ(t["txttotal"].text, QStringLiteral("20"));
  EXPECT_EQ(t["lblCountList2"].text, QStringLiteral("1 Files of 20 Megabytes"));
  EXPECT_EQ(t["lblpercent"].text, QStringLiteral("25% CD utilization"));
}

// Only "no such file" and "a part of the path is no folder" mean gone; a path the system
// cannot even look at may still name a file, and its entry stays.
TEST(DeleteFiles, OnlyEntriesTheFileSystemCallsMissingLeaveTheLists) {
  TestWindow t;
  t.tree.file("plain.bin", 1);
  t.tree.symlink(t.tree.path("nowhere"), "dangling.bin");
  const struct {
    QString path;
    bool stays;
  } cases[] = {
      {t.tree.path("plain.bin"), true},
      {t.tree.path("dangling.bin"), true},
      {t.tree.path("missing.bin"), false},
      {t.tree.path("plain.bin/under.bin"), false},
      {t.tree.path(QString(300, u'x') + ".bin"), true},  // longer than a name may be
  };
  QStringList staying;
  for (const auto& c : cases) {
    t.addLower(c.path);
    if (c.stays) staying.append(c.path);
  }
  for (int row = 0; row < t.lower().size(); ++row) t.window.catalogue().lstsec().setChecked(row, false);
  t.messages.answers = {true};
  t.window.cmddelete_Click();
  EXPECT_TRUE(t.trash.received.isEmpty());
  EXPECT_EQ(t.lower(), staying);
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
