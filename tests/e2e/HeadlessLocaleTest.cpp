// The real program in a German environment: Qt takes the locale from LC_ALL itself, even
// where the system has no German locale installed, so the totals come out with a decimal
// comma, and the program must read them, and its own limit, back as it wrote them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>

#include "support/TempTree.h"

namespace {

struct GermanRun {
  int exitCode = -1;
  QByteArray err;
  QStringList lower;                // the [lstsec] lines
  QMap<QString, QString> labels;    // name -> text
};

GermanRun runGerman(const QStringList& switches) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));  // before LC_NUMERIC and LANG
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(FILLPACK_BINARY), QStringList{QStringLiteral("--headless")} + switches);
  GermanRun run;
  if (!process.waitForFinished(60000)) return run;
  run.exitCode = process.exitCode();
  run.err = process.readAllStandardError();
  QString section;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
    if (line.startsWith(u'['))
      section = line;
    else if (section == QLatin1String("[lstsec]"))
      run.lower.append(line);
    else if (section == QLatin1String("[labels]"))
      run.labels.insert(line.section(u'\t', 0, 0), line.section(u'\t', 1));
  }
  return run;
}

constexpr qint64 MiB = 1048576;

// 702.5 MB fit exactly under "/limit 702.5"; one byte more does not. Read as 702, the big
// file would not fit; read as 4450 (the limit box's fallback), both would.
TEST(HeadlessLocale, LimitWithAPointIsShownWithACommaAndKept) {
  testing_support::TempTree tree;
  tree.file(QStringLiteral("in/a.bin"), 702 * MiB + MiB / 2);
  tree.file(QStringLiteral("in/b.bin"), 1);
  const GermanRun run = runGerman({"/limit", "702.5", "/path", tree.path("in"), "/dumb"});
  ASSERT_EQ(run.exitCode, 0) << run.err.constData();
  EXPECT_EQ(run.err, QByteArray());
  EXPECT_EQ(run.labels.value("txtlimit"), QStringLiteral("702,5"));
  EXPECT_EQ(run.lower, QStringList{"1\t" + tree.path("in/a.bin") + "\t0736624640"});
  EXPECT_EQ(run.labels.value("txttotal"), QStringLiteral("702,5"));
  EXPECT_EQ(run.labels.value("lblpercent"), QStringLiteral("100% CD utilization"));
}

TEST(HeadlessLocale, UtilizationOfASearchAndOfABatchListReadTheCommaTotal) {
  testing_support::TempTree tree;
  tree.file(QStringLiteral("in/a.bin"), 2747269);  // 2.62 MB
  tree.folder(QStringLiteral("out"));
  GermanRun run = runGerman({"/limit", "3", "/path", tree.path("in"), "/dumb"});
  ASSERT_EQ(run.exitCode, 0) << run.err.constData();
  EXPECT_EQ(run.labels.value("txttotal"), QStringLiteral("2,62"));
  EXPECT_EQ(run.labels.value("lblpercent"), QStringLiteral("87,33% CD utilization"));
  EXPECT_EQ(run.labels.value("lblCountList2"), QStringLiteral("1 Files of 2,62 Megabytes"));

  run = runGerman({"/limit", "3", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")});
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
    const GermanRun run =
        runGerman({"/limit", "10", "/limit", size, "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.startsWith("Capacity of the medium: The size " + QByteArray(size) + " is too large"))
        << run.err.constData();
    EXPECT_EQ(run.labels.value("txtlimit"), QStringLiteral("10"));
    QFile list(tree.path(QStringLiteral("out/cd 001.txt")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().startsWith(tree.path("in/a.bin").toUtf8() + "\r\n"));
    ASSERT_TRUE(list.remove());
  }
}

}  // namespace
