// The batch search: its numbered names, and whole batches on lists of their own.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "search/BatchSearch.h"
#include "search/SearchBench.h"

namespace {

// Only the file name is numbered, at each "." or at its end, with four digits from 1000 on.
TEST(BatchSearch, CyclePathNumbersOnlyTheFileName) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"/l/cd.txt", 12, "/l/cd 012.txt"}, {"/l/cd", 1, "/l/cd 001"},     {"my.lists/cd.txt", 1, "my.lists/cd 001.txt"},
      {"./cd.txt", 2, "./cd 002.txt"},    {"/a.b/c", 3, "/a.b/c 003"},   {"cd.v2.txt", 1, "cd 001.v2 001.txt"},
      {"cd.txt", 999, "cd 999.txt"},      {"cd.txt", 1000, "cd 1000.txt"},
  };
  for (const auto& [name, cycle, path] : cases) EXPECT_EQ(search::cyclePath(name, cycle), path) << name << cycle;
}

// A name is of the series only when cyclePath would have written it so.
TEST(BatchSearch, SeriesNumberIsTheCycleThatWouldHaveWrittenTheName) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"cd.txt", "cd 003.txt", 3},      {"cd.txt", "cd 1000.txt", 1000},   {"cd", "cd 012", 12},
      {"cd.v2.txt", "cd 002.v2 002.txt", 2}, {"cd.v2.txt", "cd 002.v2 003.txt", 0}, {"cd.txt", "cd 000.txt", 0},
      {"cd.txt", "cd 0003.txt", 0},     {"cd.txt", "cd 12.txt", 0},        {"cd.txt", "cd003.txt", 0},
      {"cd.txt", "xcd 003.txt", 0},     {"cd.txt", "cd 003.txt.bak", 0},   {"cd.txt", "cd 003.TXT", 0},
      {"cd.txt", "dvd 003.txt", 0},     {"cd", "cd 003.txt", 0},           {"cd.txt", "cd 003", 0},
      {"cd.txt", "cd 99999999999.txt", 0},
  };
  for (const auto& [fileName, listed, number] : cases)
    EXPECT_EQ(search::seriesNumber(fileName, listed), number) << fileName << " " << listed;
}

// A batch of the checked files on 10-megabyte discs, its lists named after "/out/cd.txt" and
// kept in memory; the list `blocked` cannot be written.
struct Batch : testing_support::SearchBench {
  using SearchBench::SearchBench;
  void start(const QString& name = QStringLiteral("/out/cd.txt")) {
    search::BatchServices services;
    services.askName = [this] { return ++asked, QString(); };
    services.saveList = [this](const QString& path) {
      EXPECT_EQ(path, QStringLiteral("/out/cd %1.txt").arg(lists.size() + 1, 3, 10, QChar(u'0')));
      if (path == blocked) return QString::fromLocal8Bit(std::strerror(EISDIR));
      lists.push_back(lower());
      return QString();
    };
    services.report = [this](const QString& text, bool warning) { reports.append({text, warning}); };
    search::batchSearch(context, view, services, name, search::changedCapacity(QStringLiteral("10"), {}));
  }
  QString report() const {
    EXPECT_EQ(reports.size(), 1);  // a batch ends with one report
    return reports.value(0).first;
  }
  std::vector<QStringList> lists;  // the entries of cd 001.txt, cd 002.txt, ...
  QString blocked;
  int asked = 0;
  QList<std::pair<QString, bool>> reports;
};

const Batch::Files fiveFiles = {{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 5}, {"d.bin", 4}, {"e.bin", 3}};

// Each way a batch ends: the lists written, the check marks left above and its one closing message.
TEST(BatchSearch, SplitsTheCheckedFilesIntoNumberedLists) {
  enum class Start {
    AsGathered, NothingChecked, SearchDisabled, StopLeftOver, StopPressed, StopOnce, StopAtSecondList,
    ClosedWhilePlanning, SecondListBlocked
  };
  const std::vector<QStringList> threeLists = {{"a.bin", "e.bin"}, {"b.bin", "d.bin"}, {"c.bin"}};
  const QString three = "3 lists written, from \"/out/cd 001.txt\" to \"/out/cd 003.txt\".";
  const QString two = "2 lists written, from \"/out/cd 001.txt\" to \"/out/cd 002.txt\".";
  const QString one = "1 list written: \"/out/cd 001.txt\".";
  const QString planOfThree = "The plan holds 3 lists; at least 3 discs are needed.";  // of a batch ended early
  const QString lineBreak =
      "A line break in their names keeps these files out of every list; they stay checked in the upper list:\r\n";
  const QList<bool> none(5, false), allButTheFirstList = {false, true, true, true, false},
                    onlyTheLastList = {false, false, true, false, false};
  // The lists are the entries of cd 001.txt, cd 002.txt, ...; the checks of the upper rows afterwards.
  const struct { const char* what; int method; Batch::Files files; Start start; std::vector<QStringList> lists;
                 QList<bool> checks; bool warns; QString report; } cases[] = {
      {"method 1", 1, fiveFiles, Start::AsGathered, threeLists, none, false, three},
      {"method 0 searches too", 0, fiveFiles, Start::AsGathered, threeLists, none, false, three},
      {"method 2 plans and tells the bound", 2, fiveFiles, Start::AsGathered, threeLists, none, false,
       three + "\r\n3 lists; at least 3 discs are needed."},
      {"method 2, one list", 2, {{"a.bin", 1}}, Start::AsGathered, {{"a.bin"}}, {false}, false,
       one + "\r\n1 list; at least 1 disc is needed."},
      {"method 2, one too large", 2, {{"a.bin", 11}, {"b.bin", 6}, {"c.bin", 5}}, Start::AsGathered,
       {{"b.bin"}, {"c.bin"}}, {false, false, false}, false, two + "\r\n2 lists; at least 2 discs are needed."},
      {"method 2, a folder where the second list goes", 2, fiveFiles, Start::SecondListBlocked, {threeLists[0]},
       allButTheFirstList, true,
       "The list \"/out/cd 002.txt\" could not be written: " + QString::fromLocal8Bit(std::strerror(EISDIR)) +
           ". The batch stopped there; the files of that part are checked again in the upper list.\r\n" + one +
           "\r\n" + planOfThree},
      // The plan found so far is written in full.
      {"stopped while the plan is made", 2, fiveFiles, Start::StopOnce, threeLists, none, false,
       three + "\r\n3 lists; at least 3 discs are needed."},
      {"a stop left from before", 1, fiveFiles, Start::StopLeftOver, threeLists, none, false, three},
      {"stopped in the first cycle", 1, fiveFiles, Start::StopPressed, {threeLists[0]}, allButTheFirstList, false,
       "The batch was stopped.\r\n" + one},
      // Stop, pressed while the frame names the second list, ends the batch once it is written.
      {"stopped at the second list", 1, fiveFiles, Start::StopAtSecondList, {threeLists[0], threeLists[1]},
       onlyTheLastList, false, "The batch was stopped.\r\n" + two},
      {"method 2 stopped at the second list", 2, fiveFiles, Start::StopAtSecondList, {threeLists[0], threeLists[1]},
       onlyTheLastList, false, "The batch was stopped.\r\n" + two + "\r\n" + planOfThree},
      // A window closed (or a stop signal) while the plan is made: nothing of it is written.
      {"closed while the plan is made", 2, fiveFiles, Start::ClosedWhilePlanning, {}, QList<bool>(5, true), false,
       "The batch was stopped.\r\nNo list was written.\r\n" + planOfThree},
      {"one too large", 1, {{"a.bin", 11}, {"b.bin", 6}, {"c.bin", 5}}, Start::AsGathered, {{"b.bin"}, {"c.bin"}},
       {false, false, false}, false, two},
      {"exactly the limit", 1, {{"a.bin", 3}, {"b.bin", 10}}, Start::AsGathered, {{"a.bin"}, {"b.bin"}},
       {false, false}, false, two},
      {"all too large", 1, {{"a.bin", 10 + 1.0 / 1048576}, {"b.bin", 12}}, Start::AsGathered, {}, {true, true}, true,
       "No checked file fits the capacity of 10 megabytes.\r\nNo list was written."},
      {"names differing in case", 1, {{"A.bin", 6}, {"a.bin", 5}}, Start::AsGathered, {{"A.bin"}, {"a.bin"}},
       {false, false}, false, two},
      {"a line break in a folder's name", 1, {{"a.bin", 1}, {"sub\nfolder/g.bin", 1}}, Start::AsGathered,
       {{"a.bin"}}, {false, true}, true, one + "\r\n" + lineBreak + "\"/in/sub\\nfolder/g.bin\""},
      {"a line break alone", 1, {{"b\nc.bin", 1}}, Start::AsGathered, {}, {true}, true,
       "No list was written.\r\n" + lineBreak + "\"/in/b\\nc.bin\""},
      {"nothing checked", 1, {{"a.bin", 1}}, Start::NothingChecked, {}, {false}, true,
       "No file of the upper list is checked, so there is nothing to split.\r\nNo list was written."},
      {"search cannot run", 1, {{"a.bin", 1}}, Start::SearchDisabled, {}, {true}, true,
       "The search cannot run at the moment.\r\nNo list was written."},
      {"method 3", 3, {{"a.bin", 1}}, Start::AsGathered, {}, {true}, true, search::unknownMethodText("3")},
      {"method -1", -1, {{"a.bin", 1}}, Start::AsGathered, {}, {true}, true, search::unknownMethodText("-1")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    bool pressed = false;
    Batch b(c.files);
    if (c.start == Start::NothingChecked) b.catalogue.setUpperChecked(0, false);
    if (c.start == Start::SecondListBlocked) b.blocked = "/out/cd 002.txt";
    if (c.start == Start::StopPressed || c.start == Start::StopOnce)
      b.pump.onPump = [&b, &pressed, once = c.start == Start::StopOnce](int) {
        if (!(once && std::exchange(pressed, true))) b.run.stopflag = true;
      };
    const QString second = c.method == 2 ? "Writing cd 002.txt (list 2 of 3)" : "Writing cd 002.txt (list 2)";
    if (c.start == Start::StopAtSecondList)
      b.pump.onPump = [&b, &pressed, second](int) {
        const bool stopShown = b.progress.shown && !b.view.planningNow && b.progress.lines.back() == second;
        if (stopShown && !std::exchange(pressed, true)) b.run.stopflag = true;
      };
    if (c.start == Start::ClosedWhilePlanning)
      b.pump.onPump = [&b, &pressed](int) {
        if (!b.view.planningNow || std::exchange(pressed, true)) return;
        b.run.stopflag = b.run.closing = true;  // as the window's close does
      };
    b.run.stopflag = c.start == Start::StopLeftOver;
    b.view.enabled = c.start != Start::SearchDisabled;
    b.run.searchmethod = c.method;
    b.start();
    EXPECT_EQ(pressed, c.start == Start::StopOnce || c.start == Start::StopAtSecondList ||
                           c.start == Start::ClosedWhilePlanning);
    EXPECT_EQ(b.lists, c.lists);
    EXPECT_EQ(b.upperChecks(), c.checks);
    EXPECT_TRUE(b.lower().isEmpty());
    const bool failed = c.start == Start::SecondListBlocked;  // the part that failed was searched, then not written
    EXPECT_EQ(b.run.partcount, int(c.lists.size()) + failed);
    EXPECT_EQ(b.view.summaries, int(c.lists.size()) + failed);  // the lower summary after each list
    EXPECT_EQ(b.report(), c.report);
    EXPECT_EQ(b.reports.value(0).second, c.warns);
    EXPECT_EQ(b.run.listWriteFailed, failed);
    EXPECT_TRUE(b.asked == 0 && !b.progress.shown);
  }
}

// A list name that ends in a folder, "." or ".." writes nothing, anywhere.
TEST(BatchSearch, ANameWithoutAFileNameWritesNothing) {
  for (const char* name : {"/out/", "/out/.", "/out/..", "/"}) {
    SCOPED_TRACE(name);
    Batch b(fiveFiles);
    b.start(name);
    EXPECT_TRUE(b.lists.empty());
    EXPECT_EQ(b.upperChecks(), QList<bool>(5, true));
    EXPECT_EQ(b.report(), "The list name \"" + QString(name) + "\" does not end in a file name.\r\nNo list was written.");
  }
}

}  // namespace
