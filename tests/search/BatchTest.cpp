// The batch search: its numbered names, and whole batches through the main window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <tuple>
#include <vector>

#include "output/ListFile.h"
#include "search/BatchSearch.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

TEST(BatchSearch, CyclePathNumbersEveryPeriod) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"/l/cd.txt", 1, "/l/cd 001.txt"}, {"/l/cd.txt", 12, "/l/cd 012.txt"}, {"/l/cd", 1, "/l/cd 001"},
      {"my.lists/cd.txt", 1, "my 001.lists/cd 001.txt"}, {"cd.txt", 999, "cd 999.txt"}, {"cd.txt", 1000, "cd 1000.txt"},
  };
  for (const auto& [name, cycle, path] : cases) EXPECT_EQ(search::cyclePath(name, cycle), path) << name << cycle;
}

enum class Setup { AsGathered, NothingChecked, SearchDisabled };

struct BatchCase {
  const char* what;
  int method;
  TestWindow::Files files;  // the limit is 10 megabytes
  Setup setup;
  std::vector<QStringList> lists;  // the entries of cd 001.txt, cd 002.txt, ...
  int leftChecked;
};

TEST(BatchSearch, SplitsTheCheckedFilesIntoNumberedLists) {
  const TestWindow::Files fiveFiles = {{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 5}, {"d.bin", 4}, {"e.bin", 3}};
  const std::vector<QStringList> threeDiscs = {{"a.bin", "e.bin"}, {"b.bin", "d.bin"}, {"c.bin"}};
  const BatchCase cases[] = {
      {"three discs", 1, fiveFiles, Setup::AsGathered, threeDiscs, 0},
      {"method 0 searches too", 0, fiveFiles, Setup::AsGathered, threeDiscs, 0},
      {"method 2 searches too", 2, fiveFiles, Setup::AsGathered, threeDiscs, 0},
      {"one too large", 1, {{"a.bin", 11}, {"b.bin", 6}, {"c.bin", 5}}, Setup::AsGathered, {{"b.bin"}, {"c.bin"}}, 0},
      {"all too large", 1, {{"a.bin", 11}, {"b.bin", 12}}, Setup::AsGathered, {{}}, 0},
      {"names differing in case", 1, {{"A.bin", 6}, {"a.bin", 5}}, Setup::AsGathered, {{"A.bin"}, {"a.bin"}}, 0},
      {"nothing checked", 1, {{"a.bin", 1}}, Setup::NothingChecked, {}, 0},
      {"search cannot run", 1, {{"a.bin", 1}}, Setup::SearchDisabled, {{}}, 1},
      {"method 3", 3, {{"a.bin", 1}}, Setup::AsGathered, {}, 1},
      {"method -1", -1, {{"a.bin", 1}}, Setup::AsGathered, {}, 1},
  };
  for (const BatchCase& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow t;
    t.gather(c.files);
    t.window.setLimitText("10");
    const catalogue::FileList& upper = t.window.catalogue().lstmain();
    for (int row = 0; c.setup == Setup::NothingChecked && row < upper.count(); ++row)
      t.window.catalogue().setUpperChecked(row, false);
    t["cmdsearch"].enabled = c.setup != Setup::SearchDisabled;
    t.tree.folder("out");
    t["mnuscan"].tag = t.tree.path("out/cd.txt");
    t.window.run().searchmethod = c.method;
    ::testing::internal::CaptureStderr();
    t.window.mnuscan_Click();
    const std::string err = ::testing::internal::GetCapturedStderr();

    const QStringList names = QDir(t.tree.path("out")).entryList(QDir::Files, QDir::Name);
    std::vector<QStringList> lists;  // each list's entries, as names in "in"
    for (int n = 0; n < names.size(); ++n) {
      EXPECT_EQ(names[n], QStringLiteral("cd %1.txt").arg(n + 1, 3, 10, QChar(u'0')));
      QFile list(t.tree.path("out/" + names[n]));
      lists.push_back(list.open(QIODevice::ReadOnly) ? output::entryLines(list.readAll()).replaceInStrings(t.in(""), "")
                                                     : QStringList("<unreadable>"));
    }
    EXPECT_EQ(lists, c.lists);
    EXPECT_EQ(TestWindow::checks(upper).count(true), c.leftChecked);
    EXPECT_TRUE(t.lower().isEmpty());
    EXPECT_EQ(t.window.run().partcount, std::count_if(lists.begin(), lists.end(), [](auto& l) { return !l.empty(); }));
    EXPECT_EQ(err.find("method " + std::to_string(c.method) + " is not known") != std::string::npos,
              c.method < 0 || c.method > 2)
        << err;
    EXPECT_TRUE(t.messages.shown.isEmpty() && t.dialogs.titles.isEmpty() && t["mnuscan"].tag.isEmpty());
  }
}

}  // namespace
