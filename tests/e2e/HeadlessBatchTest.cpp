// The real program splitting a folder into numbered list files, headless.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
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

}  // namespace
