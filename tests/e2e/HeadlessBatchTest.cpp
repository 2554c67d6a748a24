// The real program splitting a folder into numbered list files, headless: the lists it
// writes, the ones it keeps, what it says and its exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "platform/FileNames.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using testing_support::TempTree;

using testing_support::RunResult;
using testing_support::runProgram;

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The check marks of the upper rows, in row order.
QString checks(const RunResult& r) {
  QString marks;
  for (const QString& row : r.lines("[lstmain]")) marks += row.left(1);
  return marks;
}

const QByteArray rule = "____________________\r\n";

// Files of as many megabytes as the digit after their first letter says, in "in".
void makeFiles(TempTree& tree, std::initializer_list<const char*> names) {
  for (const char* name : names) tree.file(QStringLiteral("in/%1.bin").arg(name), (name[1] - '0') * 1048576LL);
}

TEST(HeadlessBatch, WritesOneListFilePerDiscByteForByte) {
  TempTree tree;
  makeFiles(tree, {"a7", "b6", "c5", "d4", "e3"});
  tree.folder("out");
  const RunResult r = runProgram({"/limit", "10", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")},
                                 {.folder = tree.root()});
  EXPECT_EQ(r.exitCode, 0);
  const QByteArray out = tree.path("out/").toUtf8();
  EXPECT_EQ(r.err, "Batch search: 3 lists written, from \"" + out + "cd 001.txt\" to \"" + out + "cd 003.txt\".\n");

  const QByteArray in = tree.path("in/").toUtf8();
  const QByteArray full = rule + "Total Size: 10/10 megabytes (100% CD utilization)\r\n";
  const QByteArray expected[] = {
      in + "a7.bin\r\n" + in + "e3.bin\r\n" + full,
      in + "b6.bin\r\n" + in + "d4.bin\r\n" + full,
      in + "c5.bin\r\n" + rule + "Total Size: 5/10 megabytes (50% CD utilization)\r\n",
  };
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files, QDir::Name),
            QStringList({"cd 001.txt", "cd 002.txt", "cd 003.txt"}));
  for (int n = 0; n < 3; ++n) EXPECT_EQ(contents(tree.path(QStringLiteral("out/cd 00%1.txt").arg(n + 1))), expected[n]);
}

TEST(HeadlessBatch, SearchesAndBatchesThroughTheCommandLine) {
  TempTree tree;
  makeFiles(tree, {"a6", "b5", "c4"});
  const QString in = tree.path("in/");

  // The 6 MB file is taken, the 5 MB one skipped, the 4 MB one fills the disc exactly.
  RunResult r = runProgram({"/limit", "10", "/path", tree.path("in"), "/dumb"}, {.folder = tree.root()});
  EXPECT_EQ(r.lines("[lstsec]"), QStringList({"1\t" + in + "a6.bin\t0006291456", "1\t" + in + "c4.bin\t0004194304"}));
  EXPECT_TRUE(r.lines("[labels]").contains("lblpercent\t100% CD utilization"));
  EXPECT_TRUE(r.lines("[labels]").contains("lblCountList2\t2 Files of 10 Megabytes"));
  r = runProgram({"/limit", "10", "/path", tree.path("in"), "/dumb", "/dumb"}, {.folder = tree.root()});
  EXPECT_EQ(r.lines("[lstsec]"), QStringList({"1\t" + in + "b5.bin\t0005242880"}));
  EXPECT_TRUE(r.lines("[labels]").contains("lblCountCDTotal\tTotal Part... 2"));
  EXPECT_TRUE(r.lines("[labels]").contains("lblpercent\t50% CD utilization"));

  // A file larger than the disc goes into no list and ends unchecked; a "." in a folder
  // name is left alone.
  tree.file("in/huge.bin", 20 * 1048576LL);
  tree.folder("my.lists");
  r = runProgram(
      {"/limit", "20", "/path", tree.path("in"), "/limit", "16", "/batch", "1", tree.path("my.lists/cd.txt")},
      {.folder = tree.root()});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(contents(tree.path("my.lists/cd 001.txt")),
            (in + "a6.bin\r\n" + in + "b5.bin\r\n" + in + "c4.bin\r\n").toUtf8() + rule +
                "Total Size: 15/16 megabytes (93.75% CD utilization)\r\n");
  EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"in", "my.lists"}));
  EXPECT_EQ(QDir(tree.path("my.lists")).entryList(QDir::Files), QStringList{"cd 001.txt"});
  EXPECT_EQ(checks(r), "0000");
}

TEST(HeadlessBatch, KeepsTheOldListWhenNoFileFits) {
  TempTree tree;
  makeFiles(tree, {"a2", "b3"});
  tree.folder("out");
  QFile old(tree.path("out/cd 001.txt"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("/good/list\r\n") == 12);
  old.close();
  const RunResult r = runProgram({"/limit", "1", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")},
                                 {.folder = tree.root()});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "Batch search: No checked file fits the capacity of 1 megabytes.\r\nNo list was written.\n");
  EXPECT_EQ(contents(tree.path("out/cd 001.txt")), "/good/list\r\n");
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"cd 001.txt"});
  EXPECT_EQ(checks(r), "11");
}

TEST(HeadlessBatch, AProtectedListStopsTheBatchWithItsFilesCheckedAndStatus2) {
  TempTree tree;
  makeFiles(tree, {"a7", "b6", "c5", "d4", "e3"});
  tree.file("out/cd 002.txt", 3);
  const QByteArray protectedList = platform::encodeFileName(tree.path("out/cd 002.txt"));
  ASSERT_EQ(::chmod(protectedList.constData(), 0444), 0);
  const QStringList switches = {"/limit", "10", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")};
  const RunResult r = runProgram(switches, {.folder = tree.root()});
  EXPECT_EQ(r.exitCode, 2);
  const QByteArray out = tree.path("out/").toUtf8();
  EXPECT_EQ(r.err, "Batch search: The list \"" + out + "cd 002.txt\" could not be written: Permission denied. "
                   "The batch stopped there; the files of that part are checked again in the upper list.\r\n"
                   "1 list written: \"" + out + "cd 001.txt\".\r\n"
                   "Left from an earlier batch and not part of this one:\r\n\"" + out + "cd 002.txt\"\n");
  struct stat st {};
  ASSERT_EQ(::stat(protectedList.constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_EQ(contents(tree.path("out/cd 002.txt")), QByteArray(3, '\0'));
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files | QDir::Hidden), QStringList({"cd 001.txt", "cd 002.txt"}));
  EXPECT_EQ(checks(r), "01110");

  // A state that cannot be written is the graver failure.
  EXPECT_EQ(runProgram(switches, {.folder = tree.root(), .standardOutput = "/dev/full"}).exitCode, 1);
}

TEST(HeadlessBatch, AListOfAnotherUserIsNotReplaced) {
  if (!testing_support::runsAsRoot() || !testing_support::canRunAsNobody())
    GTEST_SKIP() << "needs root and setpriv to run as another user";
  TempTree tree;
  makeFiles(tree, {"a1"});
  tree.file("out/cd 001.txt", 2);  // root's, and only root may write it
  ASSERT_EQ(::chmod(platform::encodeFileName(tree.root()).constData(), 0755), 0);
  ASSERT_EQ(::chmod(platform::encodeFileName(tree.path("out")).constData(), 0777), 0);
  const RunResult r = runProgram({"/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")},
                                 {.folder = tree.root(), .asNobody = true});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.contains("cd 001.txt\" could not be written: Permission denied.")) << r.err.constData();
  EXPECT_EQ(contents(tree.path("out/cd 001.txt")), QByteArray(2, '\0'));
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"cd 001.txt"});
}

TEST(HeadlessBatch, NamesRoundTripOrAreLeftOutAndNamedBesideTheListsOfAnEarlierBatch) {
  TempTree tree;
  for (const char* name : {"song.mp3", "song.mp3 ", "tab.mp3\t", "x\ny.mp3"}) tree.file(QStringLiteral("in/") + name, 1048576);
  for (const char* name : {"cd 002.txt", "cd 005.txt", "cd.txt"}) tree.file(QStringLiteral("out/") + name);
  const RunResult r = runProgram({"/limit", "10", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")},
                                 {.folder = tree.root()});
  EXPECT_EQ(r.exitCode, 0);
  const QByteArray in = tree.path("in/").toUtf8(), out = tree.path("out/").toUtf8();
  EXPECT_EQ(contents(tree.path("out/cd 001.txt")), in + "song.mp3\r\n" + in + "song.mp3 \r\n" + in + "tab.mp3\t\r\n" +
                                                         rule + "Total Size: 3/10 megabytes (30% CD utilization)\r\n");
  EXPECT_EQ(r.err, "Batch search: 1 list written: \"" + out + "cd 001.txt\".\r\n"
                   "Left from an earlier batch and not part of this one:\r\n\"" + out + "cd 002.txt\"\r\n\"" + out +
                   "cd 005.txt\"\r\n"
                   "A line break in their names keeps these files out of every list; they stay checked in the upper "
                   "list:\r\n\"" + in + "x\\ny.mp3\"\n");
  EXPECT_EQ(checks(r), "0001");
  EXPECT_TRUE(r.sections.value("[lstmain]").value(3).startsWith("1\tx\\ny.mp3\t"));
  for (const char* name : {"cd 002.txt", "cd 005.txt", "cd.txt"}) EXPECT_EQ(contents(tree.path(QStringLiteral("out/") + name)), "");
}

}  // namespace
