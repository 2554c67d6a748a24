// Counting as on the disc: whatever search makes the parts, the image of each part fits the
// disc, and the parts stay nearly full.
#include <gtest/gtest.h>

#include "search/SearchBench.h"

namespace {

using testing_support::BatchLists;
using testing_support::SearchBench;
using testing_support::Way;

// Small files (some empty) in 15 folders, names of several lengths: the kind of set whose
// folders and sectors take far more than its bytes.
void addSmallFiles(SearchBench& b, int count = 1500) {
  for (int i = 0; i < count; ++i)
    b.catalogue.addfile(QStringLiteral("/in/event %1/%2.jpg").arg(i % 15).arg(QString(i % 40 + 1, u'p') + QString::number(i)),
                        (i * 7919) % 6000);
}

// The parts one way makes until the checked files are all placed.
BatchLists partsOf(Way way, bool onDisc) {
  SearchBench b;
  addSmallFiles(b);
  b.run.countAsOnDisc = onDisc;
  return testing_support::partsOf(b, way, QStringLiteral("2"));
}

TEST(CountAsOnDisc, EveryPartsImageFitsTheDiscAndNoFileIsLost) {
  const qint64 capacity = 2 * catalogue::MB;
  // Nearly full: what is left is less than a few of the largest files with their records.
  const qint64 slack = 64 * 1024;
  for (const Way way : testing_support::everyWay) {
    SCOPED_TRACE(int(way));
    const BatchLists made = partsOf(way, true);
    ASSERT_GE(made.lists.size(), 3u);
    qsizetype files = 0;
    for (std::size_t part = 0; part < made.lists.size(); ++part) {
      files += made.lists[part].size();
      EXPECT_LE(made.images[part], capacity) << part;
      if (part + 1 < made.lists.size()) {
        EXPECT_GT(made.images[part], capacity - slack) << part;
      }
    }
    EXPECT_EQ(files, 1500);
    // Counted by bytes, the same files make a first part whose image overflows the disc.
    EXPECT_GT(partsOf(way, false).images.front(), capacity);
  }
}

// The plan's lower bound counts the disc too: what every image takes besides its files is
// room the files cannot have.
TEST(CountAsOnDisc, ThePlansBoundCountsTheDisc) {
  SearchBench b;
  addSmallFiles(b, 1700);
  b.run.searchmethod = 2;
  const QString bytesReport = testing_support::runBatch(b, QStringLiteral("2")).report;
  SearchBench onDisc;
  addSmallFiles(onDisc, 1700);
  onDisc.run.searchmethod = 2;
  onDisc.run.countAsOnDisc = true;
  const BatchLists made = testing_support::runBatch(onDisc, QStringLiteral("2"));
  EXPECT_TRUE(bytesReport.contains(QStringLiteral("at least 3 discs"))) << bytesReport.toStdString();
  EXPECT_TRUE(made.report.contains(QStringLiteral("at least 5 discs"))) << made.report.toStdString();
}

}  // namespace
