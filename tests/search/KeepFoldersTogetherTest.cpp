// Keeping folders together: whatever search makes the parts, the files of a folder that fits a
// disc share one, and a folder too large for a disc takes as few discs as its files need.
#include <gtest/gtest.h>

#include <QHash>

#include "search/SearchBench.h"

namespace {

using testing_support::BatchLists;
using testing_support::SearchBench;
using testing_support::Way;

// Five folders whose files alternate in the list; f5 (18 MB) needs two 10 MB discs.
void addFolders(SearchBench& b) {
  const std::vector<std::vector<double>> folders = {{3, 3}, {4, 2, 1}, {5}, {2, 2, 2}, {6, 5, 4, 3}};
  for (std::size_t file = 0; file < 4; ++file)
    for (std::size_t folder = 0; folder < folders.size(); ++folder)
      if (file < folders[folder].size())
        b.add({{qPrintable(QStringLiteral("f%1/%2.bin").arg(folder + 1).arg(file)), folders[folder][file]}});
}

std::vector<QStringList> partsOf(Way way, bool together) {
  SearchBench b;
  addFolders(b);
  b.run.keepFoldersTogether = together;
  return testing_support::partsOf(b, way, QStringLiteral("10")).lists;
}

// How many parts hold files of each folder ("f1" ...), and how many files in all.
QHash<QString, int> partsPerFolder(const std::vector<QStringList>& parts, int& files) {
  QHash<QString, int> spread;
  files = 0;
  for (const QStringList& part : parts) {
    QSet<QString> folders;
    for (const QString& file : part) folders.insert(file.section(u'/', 0, 0)), ++files;
    for (const QString& folder : folders) ++spread[folder];
  }
  return spread;
}

TEST(KeepFoldersTogether, AFolderThatFitsIsNeverSplit) {
  const QHash<QString, int> whole = {{"f1", 1}, {"f2", 1}, {"f3", 1}, {"f4", 1}, {"f5", 2}};
  for (const Way way : testing_support::everyWay) {
    SCOPED_TRACE(int(way));
    int files = 0;
    EXPECT_EQ(partsPerFolder(partsOf(way, true), files), whole);
    EXPECT_EQ(files, 13);
    EXPECT_NE(partsPerFolder(partsOf(way, false), files), whole);  // the files alone mix the folders
  }
}

// The plan's bound counts what the folders allow: three folders of 6 MB need three 10 MB discs.
TEST(KeepFoldersTogether, ThePlansBoundCountsWholeFolders) {
  for (const bool together : {false, true}) {
    SearchBench b;
    for (const char* folder : {"a", "b", "c"}) b.add({{qPrintable(QStringLiteral("%1/1.bin").arg(folder)), 3}, {qPrintable(QStringLiteral("%1/2.bin").arg(folder)), 3}});
    b.run.searchmethod = 2;
    b.run.keepFoldersTogether = together;
    const BatchLists made = testing_support::runBatch(b, QStringLiteral("10"));
    EXPECT_TRUE(made.report.contains(together ? "3 lists; at least 3 discs" : "2 lists; at least 2 discs"))
        << made.report.toStdString();
  }
}

}  // namespace
