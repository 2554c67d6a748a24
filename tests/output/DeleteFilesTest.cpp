// Deleting burned files: after Yes, the checked lower entries, links as links, failures told and kept.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "catalogue/Utilization.h"
#include "output/DeleteFiles.h"
#include "platform/FileNames.h"
#include "platform/LongPaths.h"
#include "platform/Trash.h"
#include "support/OutputServices.h"

namespace {

// The bench with Delete: files of `mb` megabytes below "in" in both lists, unchecked above
// as a search leaves them; a press answered Yes or No.
struct Delete : testing_support::OutputBench {
  void both(std::initializer_list<std::pair<const char*, double>> files) {
    for (const auto& [name, mb] : files) {
      lists.addfile(file(QString("in/") + name, mb));
      lists.setUpperChecked(lists.lstmain().count() - 1, false);
      addLower(in(name), qint64(mb * 1048576));
    }
    lists.takeUpperSummaryRequest();
  }
  void press(bool yes) {
    messages.answers = {yes};
    output::mnufiledelete_Click(lists, messages, trash);
  }
  QString in(const QString& name) const { return tree.path("in/" + name); }
  QStringList upper() const { return testing_support::fields(lists.lstmain(), &catalogue::FileEntry::text); }
};

// Files of 10, 20 and 10 MB in both lists, the second unchecked below; the totals
// afterwards are the rows left's.
TEST(DeleteFiles, CheckedFilesGoAfterYesAndLeaveBothLists) {
  // The rows left in both lists, and the megabytes of the lower ones.
  const struct { const char* what; bool yes, refuseC; QStringList left; double megabytes; } cases[] = {
      {"No", false, false, {"a.bin", "b.bin", "c.bin"}, 40},
      {"Yes", true, false, {"b.bin"}, 20},
      {"Yes, c refused", true, true, {"b.bin", "c.bin"}, 30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Delete t;
    t.both({{"a.bin", 10}, {"b.bin", 20}, {"c.bin", 10}});
    t.lists.lstsec().setChecked(1, false);
    t.trash.removes = true;
    if (c.refuseC) t.trash.refuses = {t.in("c.bin")};
    t.press(c.yes);
    EXPECT_TRUE(t.messages.asked.size() == 1 && t.messages.asked[0].title == "Delete files");
    EXPECT_EQ(t.trash.received, c.yes ? QStringList({t.in("a.bin"), t.in("c.bin")}) : QStringList());
    EXPECT_EQ(t.upper(), c.left);
    EXPECT_EQ(t.lower().replaceInStrings(t.in(""), ""), c.left);
    EXPECT_EQ(catalogue::listBytes(t.lists.lstsec()), qint64(c.megabytes * 1048576));
    EXPECT_EQ(t.lists.takeUpperSummaryRequest(), c.yes);
    EXPECT_EQ(t.messages.shown.size(), c.refuseC ? 1 : 0);
    EXPECT_EQ(t.messages.shown.value(0).text,
              c.refuseC ? "These files could not be moved to the trash and stay in the lists:\r\n" + t.in("c.bin")
                        : QString());
  }
}

// Unchecked entries of gone files leave too, but a path the system cannot even look at stays.
TEST(DeleteFiles, EntriesOfFilesAlreadyGoneLeaveEvenUnchecked) {
  Delete t;
  t.both({{"A.bin", 1}, {"a.bin", 1}});
  t.tree.file("plain.bin", 1);
  t.tree.symlink(t.tree.path("nowhere"), "dangling.bin");
  const QString tooLong = t.tree.path(QString(300, u'x') + ".bin");
  for (const char* name : {"plain.bin", "dangling.bin", "missing.bin", "plain.bin/under.bin"})
    t.addLower(t.tree.path(name));
  t.addLower(tooLong);
  for (int row = 0; row < t.lower().size(); ++row) t.lists.lstsec().setChecked(row, false);
  ASSERT_EQ(::unlink(QFile::encodeName(t.in("a.bin")).constData()), 0);  // burned and removed elsewhere
  t.press(true);
  EXPECT_TRUE(t.trash.received.isEmpty());
  EXPECT_EQ(t.lower(), QStringList({t.in("A.bin"), t.tree.path("plain.bin"), t.tree.path("dangling.bin"), tooLong}));
  EXPECT_EQ(t.upper(), QStringList{"A.bin"});
}

// The desktop trash of the test's own home takes a link as the link and leaves its target,
// also a link whose target went first; a name that is not valid UTF-8 keeps its bytes, in
// the info file percent-encoded; two files of one name are both kept. Anything else at a
// path stays where it is and is reported back.
TEST(DeleteFiles, TheDesktopTrashTakesFilesAndLinksAsLinks) {
  testing_support::TempTree tree;
  tree.file("target.bin", 10);
  tree.symlink(tree.path("target.bin"), "link.bin");
  tree.file("plain.bin", 10);
  tree.file("again/plain.bin", 20);
  const QString odd = tree.rawFile("again", "bad\xff.bin", 5);
  tree.file("folder/inside.bin", 1);
  tree.fifo("fifo");
  const QStringList refused = {tree.path("folder"), tree.path("fifo"), tree.path("gone.bin")};
  EXPECT_EQ(platform::FreedesktopTrash().moveToTrash(QStringList{tree.path("target.bin"), tree.path("link.bin"),
                                                                 tree.path("plain.bin"), tree.path("again/plain.bin"),
                                                                 odd} +
                                                     refused),
            refused);
  for (const char* name : {"target.bin", "link.bin", "plain.bin", "again/plain.bin"})
    EXPECT_FALSE(QFileInfo(tree.path(name)).exists() || QFileInfo(tree.path(name)).isSymLink()) << name;
  EXPECT_TRUE(QFileInfo::exists(tree.path("folder/inside.bin")) && QFileInfo::exists(tree.path("fifo")));

  const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/";
  EXPECT_TRUE(QFileInfo(trash + "files/link.bin").isSymLink());
  EXPECT_EQ(QFileInfo(trash + "files/link.bin").symLinkTarget(), tree.path("target.bin"));
  EXPECT_EQ(QFileInfo(trash + "files/plain.bin").size() + QFileInfo(trash + "files/plain.bin-2").size(), 30);
  // Qt names files by its own decoding, so the raw names are read through the system.
  const QByteArray trashBytes = platform::encodeFileName(trash);
  const platform::FileHandle info(::open((trashBytes + "info/bad\xff.bin.trashinfo").constData(), O_RDONLY | O_CLOEXEC));
  ASSERT_TRUE(info.isOpen());
  char text[4096];
  const ssize_t length = ::read(info.fd(), text, sizeof text);
  const QList<QByteArray> lines = QByteArray(text, std::max<ssize_t>(length, 0)).split('\n');
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines[0], "[Trash Info]");
  EXPECT_EQ(lines[1], "Path=" + platform::encodeFileName(tree.path("again/")).toPercentEncoding("/") + "bad%FF.bin");
  EXPECT_TRUE(lines[2].startsWith("DeletionDate=")) << lines[2].toStdString();
  struct stat trashed {};
  EXPECT_TRUE(::lstat((trashBytes + "files/bad\xff.bin").constData(), &trashed) == 0 && S_ISREG(trashed.st_mode));
}

// Whatever a loaded list holds, Delete hands only files and links to the trash; a folder or
// a FIFO among the checked entries is named, and stays in the list and on the disk.
TEST(DeleteFiles, OnlyFilesAndLinksAreHandedToTheTrash) {
  Delete t;
  t.tree.file("a.bin", 1);
  t.tree.symlink(t.tree.path("a.bin"), "link.bin");
  t.tree.file("folder/inside.bin", 1);
  t.tree.fifo("fifo");
  for (const char* name : {"folder", "a.bin", "fifo", "link.bin"}) t.addLower(t.tree.path(name));
  t.trash.removes = true;
  t.press(true);
  EXPECT_EQ(t.trash.received, QStringList({t.tree.path("a.bin"), t.tree.path("link.bin")}));
  EXPECT_EQ(t.lower(), QStringList({t.tree.path("folder"), t.tree.path("fifo")}));
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].text,
            "These entries are not files and were not moved to the trash; they stay in the lists:\r\n" +
                t.tree.path("folder") + "\r\n" + t.tree.path("fifo"));
  EXPECT_TRUE(QFileInfo::exists(t.tree.path("folder/inside.bin")));
}

}  // namespace
