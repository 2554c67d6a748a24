// The totals of a Load: written when the labels are flushed (before the window draws and at
// the end of the command), never once per row, and always those of the rows kept.
#include <gtest/gtest.h>

#include <QFile>

#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

// Three files of 1, 2 and 0.5 MB in a list file that the next Load takes.
void prepare(TestWindow& t) {
  t.gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 0.5}}, false);
  const QString list = t.tree.path(QStringLiteral("cd.txt"));
  QFile file(list);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write((QStringList{t.in("a.bin"), t.in("b.bin"), t.in("c.bin")}.join(QStringLiteral("\r\n")) +
              QStringLiteral("\r\n")).toUtf8());
  t.window.run().pendingListPath = list;
  t["txttotal"].text = QStringLiteral("old");
  t["lblCountList2"].text = QStringLiteral("old");
}

// The load pumps before each line and after each row it adds: 1 and 2 around a.bin, 3 and
// 4 around b.bin, 5 and 6 around c.bin.
TEST(LoadTotals, LabelsAreWrittenWhenFlushedNotPerRow) {
  TestWindow t;
  prepare(t);
  QStringList seen;
  t.pump.onPump = [&](int call) {
    seen.append(t["txttotal"].text);
    if (call == 4) t.window.flushLabels();  // the window draws once, after b.bin
  };
  t.window.cmdload_Click();
  EXPECT_EQ(seen, (QStringList{"old", "old", "old", "old", "3", "3"}));
  EXPECT_EQ(t["txttotal"].text, QStringLiteral("3.5"));
  EXPECT_EQ(t["lblCountList2"].text, QStringLiteral("3 Files of 3.5 Megabytes"));
  EXPECT_EQ(t["lblpercent"].text, QStringLiteral("0.5% CD utilization"));
}

TEST(LoadTotals, AStoppedLoadShowsTheTotalsOfTheRowsKept) {
  const struct {
    int stopAt;  // the pump call at which Load is pressed again
    int rows;
    const char* total;
    const char* percent;
  } cases[] = {{1, 0, "0", "0"}, {3, 1, "1", "0.14"}, {5, 2, "3", "0.43"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stopAt);
    TestWindow t;
    prepare(t);
    t.pump.onPump = [&](int call) {
      if (call == c.stopAt) t.window.cmdload_Click();
    };
    t.window.cmdload_Click();
    EXPECT_EQ(t.lower().size(), c.rows);
    EXPECT_EQ(t["txttotal"].text, c.total);
    EXPECT_EQ(t["lblCountList2"].text, QStringLiteral("%1 Files of %2 Megabytes").arg(c.rows).arg(c.total));
    EXPECT_EQ(t["lblpercent"].text, QString::fromLatin1(c.percent) + QStringLiteral("% CD utilization"));
    EXPECT_TRUE(t.messages.asked.isEmpty());
  }
}

}  // namespace
