// The real program splitting a folder into numbered list files, headless.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>

#include "support/TempTree.h"

namespace {

TEST(HeadlessBatch, WritesOneListFilePerDiscByteForByte) {
  testing_support::TempTree tree;
  for (const char* name : {"a7", "b6", "c5", "d4", "e3"})  // the digit is the size in megabytes
    tree.file(QStringLiteral("in/%1.bin").arg(name), (name[1] - '0') * 1048576);
  tree.folder("out");
  QProcess process;
  process.start(FILLPACK_BINARY,
                {"--headless", "/limit", "10", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt")});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(process.readAllStandardError(), "");

  const QByteArray in = tree.path("in/").toUtf8(), rule = "____________________\r\n";
  const QByteArray full = rule + "Total Size: 10/10 megabytes (100% CD utilization)\r\n";
  const QByteArray expected[] = {
      in + "a7.bin\r\n" + in + "e3.bin\r\n" + full,
      in + "b6.bin\r\n" + in + "d4.bin\r\n" + full,
      in + "c5.bin\r\n" + rule + "Total Size: 5/10 megabytes (50% CD utilization)\r\n",
  };
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files, QDir::Name),
            QStringList({"cd 001.txt", "cd 002.txt", "cd 003.txt"}));
  for (int n = 0; n < 3; ++n) {
    QFile list(tree.path(QStringLiteral("out/cd 00%1.txt").arg(n + 1)));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), expected[n]) << n;
  }
}

// The state the program prints for a command line, split into its sections.
QMap<QString, QStringList> runState(const QStringList& switches) {
  QProcess process;
  process.start(FILLPACK_BINARY, QStringList{"--headless"} + switches);
  process.waitForFinished(60000);
  QMap<QString, QStringList> sections;
  QString section;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
    line.startsWith(u'[') ? void(section = line) : sections[section].append(line);
  return sections;
}

TEST(HeadlessBatch, SearchesAndBatchesThroughTheCommandLine) {
  testing_support::TempTree tree;
  const auto mb = [&](const char* name, int megabytes) { tree.file(QStringLiteral("in/") + name, megabytes * 1048576LL); };
  mb("a6.bin", 6), mb("b5.bin", 5), mb("c4.bin", 4);
  const QString in = tree.path("in/");

  // The 6 MB file is taken, the 5 MB one skipped, the 4 MB one fills the disc exactly.
  auto state = runState({"/limit", "10", "/path", tree.path("in"), "/dumb"});
  EXPECT_EQ(state["[lstsec]"], QStringList({"1\t" + in + "a6.bin\t0006291456", "1\t" + in + "c4.bin\t0004194304"}));
  EXPECT_TRUE(state["[labels]"].contains("lblpercent\t100% CD utilization"));
  EXPECT_TRUE(state["[labels]"].contains("lblCountList2\t2 Files of 10 Megabytes"));
  state = runState({"/limit", "10", "/path", tree.path("in"), "/dumb", "/dumb"});
  EXPECT_EQ(state["[lstsec]"], QStringList({"1\t" + in + "b5.bin\t0005242880"}));
  EXPECT_TRUE(state["[labels]"].contains("lblCountCDTotal\tTotal Part... 2"));
  EXPECT_TRUE(state["[labels]"].contains("lblpercent\t50% CD utilization"));

  // A file larger than the disc goes into no list and ends unchecked; both periods of the
  // name get the number.
  mb("huge.bin", 20);
  tree.folder("my 001.lists");
  state = runState({"/limit", "20", "/path", tree.path("in"), "/limit", "16", "/batch", "1", tree.path("my.lists/cd.txt")});
  QFile list(tree.path("my 001.lists/cd 001.txt"));
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  EXPECT_EQ(list.readAll(), (in + "a6.bin\r\n" + in + "b5.bin\r\n" + in + "c4.bin\r\n____________________\r\n"
                             "Total Size: 15/16 megabytes (93.75% CD utilization)\r\n").toUtf8());
  EXPECT_EQ(QDir(tree.path("my 001.lists")).entryList(QDir::Files), QStringList{"cd 001.txt"});
  for (const QString& row : state["[lstmain]"]) EXPECT_TRUE(row.startsWith("0\t")) << row.toStdString();
}

}  // namespace
