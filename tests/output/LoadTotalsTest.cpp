// The totals of a Load: written when the labels are flushed, never per row, and of the rows kept.
#include <gtest/gtest.h>

#include <QFile>
#include <tuple>

#include "support/OutputFakes.h"

namespace {

// Pumps 1-2 come around a.bin, 3-4 around b.bin, 5-6 around c.bin; the window draws at pump 4.
TEST(LoadTotals, LabelsAreWrittenWhenFlushedAndAreThoseOfTheRowsKept) {
  const std::tuple<int, QStringList, const char*, const char*> cases[] = {
      {0, {"old", "old", "old", "old", "3", "3"}, "3 Files of 3.5 Megabytes", "0.5% CD utilization"},
      {1, {"old"}, "0 Files of 0 Megabytes", "0% CD utilization"},
      {5, {"old", "old", "old", "old", "3"}, "2 Files of 3 Megabytes", "0.43% CD utilization"},
  };
  for (const auto& [stopAt, seen, summary, percent] : cases) {
    SCOPED_TRACE(stopAt);
    testing_support::TestWindow t;
    t.gather({{"a.bin", 1}, {"b.bin", 2}, {"c.bin", 0.5}}, false);
    QFile list(t.tree.path("cd.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write((t.in("a.bin") + "\r\n" + t.in("b.bin") + "\r\n" + t.in("c.bin") + "\r\n").toUtf8());
    list.close();
    t.window.run().pendingListPath = list.fileName();
    t[mainform::txttotal].text = "old";
    QStringList totals;
    t.pump.onPump = [&](int call) {
      totals.append(t[mainform::txttotal].text);
      if (call == 4) t.window.flushLabels();
      if (call == stopAt) t.window.cmdload_Click();
    };
    t.window.cmdload_Click();
    EXPECT_EQ(totals, seen);
    EXPECT_EQ(t[mainform::lblCountList2].text, summary);
    EXPECT_EQ(t[mainform::lblpercent].text, percent);
    EXPECT_TRUE(t.messages.asked.isEmpty());
  }
}

}  // namespace
