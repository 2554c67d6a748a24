// The real program in a German environment: Qt takes the locale from LC_ALL itself, even
// where the system has no German locale installed, so the totals come out with a decimal
// comma, and the program must read them, and its own limit, back as it wrote them.
#include <gtest/gtest.h>

#include <QFile>

#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using testing_support::RunResult;

// German through LC_ALL, which wins over LC_NUMERIC and LANG.
RunResult runGerman(const testing_support::TempTree& tree, const QStringList& switches) {
  return testing_support::runProgram(switches, {.folder = tree.root(), .locale = QStringLiteral("de_DE.UTF-8")});
}

constexpr qint64 MiB = 1048576;

// 702.5 MB fit exactly under "/limit 702.5"; one byte more does not. Read as 702, the big
// file would not fit; read as 4450 (the limit box's fallback), both would.
TEST(HeadlessLocale, LimitWithAPointIsShownWithACommaAndKept) {
  testing_support::TempTree tree;
  tree.file(QStringLiteral("in/a.bin"), 702 * MiB + MiB / 2);
  tree.file(QStringLiteral("in/b.bin"), 1);
  const RunResult run = runGerman(tree, {"/limit", "702.5", "/path", tree.path("in"), "/dumb"});
  ASSERT_EQ(run.exitCode, 0) << run.err.constData();
  EXPECT_EQ(run.err, QByteArray());
  EXPECT_EQ(run.label("txtlimit"), QStringLiteral("702,5"));
  EXPECT_EQ(run.lines("[lstsec]"), QStringList{"1\t" + tree.path("in/a.bin") + "\t0736624640"});
  EXPECT_EQ(run.label("txttotal"), QStringLiteral("702,5"));
  EXPECT_EQ(run.label("lblpercent"), QStringLiteral("100% CD utilization"));
}

TEST(HeadlessLocale, UtilizationOfASearchAndOfABatchListReadTheCommaTotal) {
  testing_support::TempTree tree;
  tree.file(QStringLiteral("in/a.bin"), 2747269);  // 2.62 MB
  tree.folder(QStringLiteral("out"));
  RunResult run = runGerman(tree, {"/limit", "3", "/path", tree.path("in"), "/dumb"});
  ASSERT_EQ(run.exitCode, 0) << run.err.constData();
  EXPECT_EQ(run.label("txttotal"), QStringLiteral("2,62"));
  EXPECT_EQ(run.label("lblpercent"), QStringLiteral("87,33% CD utilization"));
  EXPECT_EQ(run.label("lblCountList2"), QStringLiteral("1 Files of 2,62 Megabytes"));

  run = runGerman(tree, {"/limit", "3", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")});
  ASSERT_EQ(run.exitCode, 0) << run.err.constData();
  QFile list(tree.path(QStringLiteral("out/cd 001.txt")));
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  EXPECT_TRUE(list.readAll().endsWith("\r\nTotal Size: 2,62/3 megabytes (87,33% CD utilization)\r\n"));
}

// A limit no byte count can hold is refused and the one before stays, so the batch after it
// still finds room for the files.
TEST(HeadlessLocale, ALimitTooLargeIsRefusedAndTheLimitStays) {
  testing_support::TempTree tree;
  tree.file(QStringLiteral("in/a.bin"), 2 * MiB);
  tree.folder(QStringLiteral("out"));
  for (const char* size : {"1e400", "8796093022208"}) {
    SCOPED_TRACE(size);
    const RunResult run = runGerman(
        tree, {"/limit", "10", "/limit", size, "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.startsWith("Capacity of the medium: The size " + QByteArray(size) + " is too large"))
        << run.err.constData();
    EXPECT_EQ(run.label("txtlimit"), QStringLiteral("10"));
    QFile list(tree.path(QStringLiteral("out/cd 001.txt")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().startsWith(tree.path("in/a.bin").toUtf8() + "\r\n"));
    ASSERT_TRUE(list.remove());
  }
}

}  // namespace
