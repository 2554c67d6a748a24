// The real program in a German environment: Qt takes the locale from LC_ALL itself, even
// where the system has no German locale installed, so the totals come out with a decimal
// comma, and the program must read them, and its own limit, back as it wrote them.
#include <gtest/gtest.h>

#include <QFile>

#include "support/FileBytes.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using testing_support::RunResult;

TEST(HeadlessLocale, NumbersReadBackAsTheProgramWroteThemWithAComma) {
  testing_support::TempTree tree;
  tree.file("big/a.bin", 702 * 1048576 + 524288);  // 702.5 MB
  tree.file("big/b.bin", 1);
  tree.file("small/a.bin", 2747269);  // 2.62 MB
  const auto run = [&](const QStringList& switches) {
    return testing_support::runProgram(switches, {.folder = tree.root(), .locale = QStringLiteral("de_DE.UTF-8")});
  };
  const auto batchList = [&](const QStringList& limits) {
    QFile::remove(tree.path("cd 001.txt"));
    EXPECT_EQ(run(limits + QStringList{"/path", tree.path("small"), "/batch", "1", tree.path("cd.txt")}).exitCode, 0);
    return testing_support::readBytes(tree.path("cd 001.txt"));
  };

  // 702.5 MB fit exactly under "/limit 702.5"; one byte more does not. Read as 702, the big
  // file would not fit; read as 4450 (the limit box's fallback), both would.
  RunResult r = run({"/limit", "702.5", "/path", tree.path("big"), "/dumb"});
  EXPECT_EQ(r.err, QByteArray());
  EXPECT_EQ(r.label("txtlimit"), QStringLiteral("702,5"));
  EXPECT_EQ(r.lines("[lstsec]"), QStringList{"1\t" + tree.path("big/a.bin") + "\t0736624640"});

  // 2.62 MB of 3 MB is 87.33%, in the label and in the list's summary line alike.
  EXPECT_EQ(run({"/limit", "3", "/path", tree.path("small"), "/dumb"}).label("lblpercent"),
            QStringLiteral("87,33% CD utilization"));
  EXPECT_TRUE(batchList({"/limit", "3"}).endsWith("\r\nTotal Size: 2,62/3 megabytes (87,33% CD utilization)\r\n"));

  // A limit no byte count can hold (2^63 bytes and more) is refused and the one before
  // stays, so the batch after it still finds room for the file.
  for (const char* size : {"1e400", "8796093022208"}) {
    r = run({"/limit", "10", "/limit", size});
    EXPECT_TRUE(r.err.startsWith("Capacity of the medium: The size " + QByteArray(size) + " is too large")) << size;
    EXPECT_EQ(r.label("txtlimit"), QStringLiteral("10")) << size;
    EXPECT_TRUE(batchList({"/limit", "10", "/limit", size}).startsWith(tree.path("small/a.bin").toUtf8() + "\r\n"))
        << size;
  }
}

}  // namespace
