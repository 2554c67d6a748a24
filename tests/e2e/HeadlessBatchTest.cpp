// The real program splitting a folder into numbered list files, headless: the lists it
// writes, the ones it keeps, what it says and its exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>

#include "platform/FileNames.h"
#include "support/FileBytes.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using testing_support::readBytes;
using testing_support::RunResult;

const QByteArray rule = "____________________\r\n";

// In list order: a and b fill the first 10 MB list, c fills one alone, d fits none, and
// "e " (a blank at its end) goes last; the line break keeps "x\ny" out of every list.
class HeadlessBatch : public ::testing::Test {
 protected:
  HeadlessBatch() {
    for (const auto& [name, mb] : {std::pair{"a", 7}, {"b", 3}, {"c", 10}, {"d", 11}, {"e ", 1}, {"x\ny", 1}})
      tree.file(QStringLiteral("in/") + name, mb * 1048576LL);
  }
  RunResult batch(const char* limit, testing_support::RunSettings s = {}) {
    s.folder = tree.root();
    return testing_support::runProgram(
        {"/limit", limit, "/path", tree.path("in"), "/batch", "1", tree.path("my.lists/cd.txt")}, s);
  }
  QByteArray contents(const char* name) { return readBytes(tree.path(QStringLiteral("my.lists/") + name)); }
  QStringList lists() { return QDir(tree.path("my.lists")).entryList(QDir::Files | QDir::Hidden); }
  // The check marks of the upper rows, in row order.
  static QString checks(const RunResult& r) {
    QString marks;
    for (const QString& row : r.lines("[lstmain]")) marks += row.left(1);
    return marks;
  }

  testing_support::TempTree tree;
  const QByteArray in = tree.path("in/").toUtf8(), out = tree.path("my.lists/").toUtf8();
  const QByteArray unlisted = "A line break in their names keeps these files out of every list; they stay checked "
                                "in the upper list:\r\n\"" + in + "x\\ny\"\n";
};

// Only the file name is numbered; a list that fills the disc exactly is one list; the lists
// of an earlier batch with higher numbers are named and kept, as is a list of another name.
TEST_F(HeadlessBatch, SplitsTheFilesIntoNumberedListsByteForByte) {
  for (const char* name : {"cd 003.txt", "cd 005.txt", "cd.txt"}) tree.file(QStringLiteral("my.lists/") + name);
  RunResult r = batch("10");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "Batch search: 3 lists written, from \"" + out + "cd 001.txt\" to \"" + out + "cd 003.txt\".\r\n"
                   "Left from an earlier batch and not part of this one:\r\n\"" + out + "cd 005.txt\"\r\n" + unlisted);
  const QByteArray full = rule + "Total Size: 10/10 megabytes (100% CD utilization)\r\n";
  EXPECT_EQ(contents("cd 001.txt"), in + "a\r\n" + in + "b\r\n" + full);
  EXPECT_EQ(contents("cd 002.txt"), in + "c\r\n" + full);
  EXPECT_EQ(contents("cd 003.txt"), in + "e \r\n" + rule + "Total Size: 1/10 megabytes (10% CD utilization)\r\n");
  EXPECT_EQ(lists(), QStringList({"cd 001.txt", "cd 002.txt", "cd 003.txt", "cd 005.txt", "cd.txt"}));
  EXPECT_EQ(QDir(tree.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"in", "my.lists"}));
  EXPECT_EQ(checks(r), "000001");
  EXPECT_TRUE(r.sections.value("[lstmain]").value(5).startsWith("1\tx\\ny\t"));

  // When no file fits, the good list of the earlier run stays as it was.
  r = batch("0.5");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "Batch search: No checked file fits the capacity of 0.5 megabytes.\r\nNo list was written.\r\n" +
                       unlisted);
  EXPECT_EQ(contents("cd 001.txt"), in + "a\r\n" + in + "b\r\n" + full);
  EXPECT_EQ(lists().size(), 5);
  EXPECT_EQ(checks(r), "111111");
}

// The second list may not be replaced: the batch stops there, its files are checked again,
// the list keeps its bytes, and the status says a list failed.
TEST_F(HeadlessBatch, AProtectedListStopsTheBatchWithItsFilesCheckedAndStatus2) {
  tree.file("my.lists/cd 002.txt", 3);
  ASSERT_EQ(::chmod(platform::encodeFileName(tree.path("my.lists/cd 002.txt")).constData(), 0444), 0);
  const RunResult r = batch("10");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "Batch search: The list \"" + out + "cd 002.txt\" could not be written: Permission denied. "
                   "The batch stopped there; the files of that part are checked again in the upper list.\r\n"
                   "1 list written: \"" + out + "cd 001.txt\".\r\n"
                   "Left from an earlier batch and not part of this one:\r\n\"" + out + "cd 002.txt\"\r\n" + unlisted);
  EXPECT_EQ(contents("cd 002.txt"), QByteArray(3, '\0'));
  EXPECT_EQ(lists(), QStringList({"cd 001.txt", "cd 002.txt"}));
  EXPECT_EQ(checks(r), "001011");
  // A state that cannot be written is the graver failure.
  EXPECT_EQ(batch("10", {.standardOutput = "/dev/full"}).exitCode, 1);
}

// Root may write any file, so only another user shows that the system's refusal is heeded.
TEST_F(HeadlessBatch, AListOfAnotherUserIsNotReplaced) {
  if (!testing_support::runsAsRoot() || !testing_support::canRunAsNobody())
    GTEST_SKIP() << "needs root and setpriv to run as another user";
  tree.file("my.lists/cd 001.txt", 2);
  ASSERT_EQ(::chmod(platform::encodeFileName(tree.root()).constData(), 0755), 0);
  ASSERT_EQ(::chmod(platform::encodeFileName(tree.path("my.lists")).constData(), 0777), 0);
  const RunResult r = batch("10", {.asNobody = true});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.contains("cd 001.txt\" could not be written: Permission denied.")) << r.err.constData();
  EXPECT_EQ(contents("cd 001.txt"), QByteArray(2, '\0'));
  EXPECT_EQ(lists(), QStringList{"cd 001.txt"});
}

}  // namespace
