// The real program splitting a folder into numbered list files, headless: the lists it
// writes, the ones it keeps, what it says and its exit status; and its best-fill batch on
// seeded random trees of sparse files: every file that fits in exactly one list, no list over
// the capacity, numbered as the fit search's batch, never more lists than it, and the closing
// report with the lower bound.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "output/ListFile.h"
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

constexpr qint64 mib = 1048576;

struct Tree {
  testing_support::TempTree tree;
  QHash<QString, qint64> sizes;  // full path -> bytes

  // `count` files of 1 to `largest` megabytes (some too large for 10 MB), in two folders.
  Tree(quint32 seed, int count, int largest) {
    QRandomGenerator random(seed);
    for (int i = 0; i < count; ++i) {
      const QString name = QStringLiteral("in/%1/f%2.bin").arg(i % 2).arg(i);
      const qint64 bytes = random.bounded(qint64(1), qint64(largest) * mib);
      tree.file(name, bytes);
      sizes.insert(tree.path(name), bytes);
    }
    for (const char* lists : {"m1", "m2"}) tree.folder(lists);
  }
  testing_support::RunResult batch(int method) {
    return testing_support::runProgram({"/limit", "10", "/recurse", tree.path("in"), "/batch", QString::number(method),
                                        tree.path(QStringLiteral("m%1/cd.txt").arg(method))},
                                       {.folder = tree.root()});
  }
  // The lists of method `method`, in number order, each as its entries.
  QList<QStringList> lists(int method) {
    const QDir folder(tree.path(QStringLiteral("m%1").arg(method)));
    QList<QStringList> found;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
      EXPECT_EQ(name, QStringLiteral("cd %1.txt").arg(found.size() + 1, 3, 10, QChar(u'0')));
      found.append(output::entryLines(testing_support::readBytes(folder.filePath(name))));
    }
    return found;
  }
};

TEST(HeadlessBestFill, PlansEveryFittingFileOnceOnNoMoreListsThanTheFitSearch) {
  const struct {
    quint32 seed;
    int files, largest;
  } trees[] = {{7, 40, 6}, {11, 30, 12}, {23, 25, 4}};
  for (const auto& t : trees) {
    SCOPED_TRACE(t.seed);
    Tree tree(t.seed, t.files, t.largest);
    const testing_support::RunResult fit = tree.batch(1), best = tree.batch(2);
    ASSERT_TRUE(fit.exitCode == 0 && best.exitCode == 0);
    const QList<QStringList> lists = tree.lists(2);
    QHash<QString, int> seen;
    for (const QStringList& list : lists) {
      qint64 total = 0;
      for (const QString& path : list) {
        ++seen[path];
        total += tree.sizes.value(path, -1);
      }
      EXPECT_LE(total, 10 * mib);
    }
    for (auto it = tree.sizes.cbegin(); it != tree.sizes.cend(); ++it)
      EXPECT_EQ(seen.value(it.key()), it.value() <= 10 * mib ? 1 : 0) << it.key().toStdString();
    EXPECT_LE(lists.size(), tree.lists(1).size());

    const QRegularExpression bound(QStringLiteral("\n(\\d+) lists?; at least (\\d+) discs? (is|are) needed\\.\r?\n"));
    const QRegularExpressionMatch m = bound.match(QString::fromUtf8(best.err));
    ASSERT_TRUE(m.hasMatch()) << best.err.toStdString();
    EXPECT_EQ(m.captured(1).toInt(), lists.size());
    qint64 fitting = 0;
    for (const qint64 bytes : tree.sizes) fitting += bytes <= 10 * mib ? bytes : 0;
    EXPECT_GE(m.captured(2).toLongLong(), (fitting + 10 * mib - 1) / (10 * mib));
    EXPECT_LE(m.captured(2).toInt(), lists.size());
    EXPECT_FALSE(fit.err.contains("needed")) << "the fit search has no plan to report";
  }
}

}  // namespace
