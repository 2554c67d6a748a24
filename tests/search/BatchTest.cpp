// The batch search: its numbered names, and whole batches through the main window.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <tuple>
#include <vector>

#include "output/ListFile.h"
#include "platform/FileNames.h"
#include "search/BatchSearch.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

TEST(BatchSearch, CyclePathNumbersOnlyTheFileName) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"/l/cd.txt", 1, "/l/cd 001.txt"},
      {"/l/cd.txt", 12, "/l/cd 012.txt"},
      {"/l/cd", 1, "/l/cd 001"},
      {"my.lists/cd.txt", 1, "my.lists/cd 001.txt"},
      {"./cd.txt", 2, "./cd 002.txt"},
      {"/a.b/c", 3, "/a.b/c 003"},
      {"cd.v2.txt", 1, "cd 001.v2 001.txt"},
      {"cd.txt", 999, "cd 999.txt"},
      {"cd.txt", 1000, "cd 1000.txt"},
  };
  for (const auto& [name, cycle, path] : cases) EXPECT_EQ(search::cyclePath(name, cycle), path) << name << cycle;
}

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

// A window with files gathered from "in", a limit of 10 megabytes and the batch name
// "out/cd.txt", and what a batch on it leaves behind.
struct Batch {
  explicit Batch(TestWindow::Files files) {
    t.gather(files);
    t.window.setLimitText("10");
    t.tree.folder("out");
    t["mnuscan"].tag = out("cd.txt");
    t.window.run().searchmethod = 1;
  }
  QString out(const QString& name) const { return t.tree.path("out/" + name); }
  void run() { t.window.mnuscan_Click(); }
  // The lists in "out", by name, each as the names (in "in") of its entries.
  std::vector<std::pair<QString, QStringList>> lists() const {
    std::vector<std::pair<QString, QStringList>> found;
    for (const QString& name : QDir(t.tree.path("out")).entryList(QDir::Files, QDir::Name)) {
      QFile list(out(name));
      found.emplace_back(name, list.open(QIODevice::ReadOnly)
                                   ? output::entryLines(list.readAll()).replaceInStrings(t.in(""), "")
                                   : QStringList("<unreadable>"));
    }
    return found;
  }
  std::vector<QStringList> numberedLists() const {
    std::vector<QStringList> entries;
    for (const auto& [name, list] : lists()) {
      EXPECT_EQ(name, QStringLiteral("cd %1.txt").arg(entries.size() + 1, 3, 10, QChar(u'0')));
      entries.push_back(list);
    }
    return entries;
  }
  QList<bool> upperChecks() const { return TestWindow::checks(t.window.catalogue().lstmain()); }
  // The one message the batch gave, with the folder "out" written as "<out>" and "in" as "<in>".
  QString report() const {
    EXPECT_EQ(t.messages.shown.size(), 1);
    if (t.messages.shown.isEmpty()) return {};
    EXPECT_EQ(t.messages.shown[0].title, "Batch search");
    return QString(t.messages.shown[0].text).replace(t.tree.path("out"), "<out>").replace(t.tree.path("in"), "<in>");
  }

  TestWindow t;
};

const TestWindow::Files fiveFiles = {{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 5}, {"d.bin", 4}, {"e.bin", 3}};

enum class Start { AsGathered, NothingChecked, SearchDisabled };

TEST(BatchSearch, SplitsTheCheckedFilesIntoNumberedLists) {
  const std::vector<QStringList> threeDiscs = {{"a.bin", "e.bin"}, {"b.bin", "d.bin"}, {"c.bin"}};
  const QString threeWritten = "3 lists written, from \"<out>/cd 001.txt\" to \"<out>/cd 003.txt\".";
  const QString twoWritten = "2 lists written, from \"<out>/cd 001.txt\" to \"<out>/cd 002.txt\".";
  const struct {
    const char* what;
    int method;
    TestWindow::Files files;  // the limit is 10 megabytes
    Start start;
    std::vector<QStringList> lists;  // the entries of cd 001.txt, cd 002.txt, ...
    QList<bool> checks;              // of the upper rows afterwards
    QString report;
  } cases[] = {
      {"three discs", 1, fiveFiles, Start::AsGathered, threeDiscs, {false, false, false, false, false}, threeWritten},
      {"method 0 searches too", 0, fiveFiles, Start::AsGathered, threeDiscs, {false, false, false, false, false},
       threeWritten},
      {"method 2 searches too", 2, fiveFiles, Start::AsGathered, threeDiscs, {false, false, false, false, false},
       threeWritten},
      {"one too large", 1, {{"a.bin", 11}, {"b.bin", 6}, {"c.bin", 5}}, Start::AsGathered, {{"b.bin"}, {"c.bin"}},
       {false, false, false}, twoWritten},
      {"exactly the limit after a smaller file", 1, {{"a.bin", 3}, {"b.bin", 10}}, Start::AsGathered,
       {{"a.bin"}, {"b.bin"}}, {false, false}, twoWritten},
      {"only a file of exactly the limit", 1, {{"a.bin", 10}}, Start::AsGathered, {{"a.bin"}}, {false},
       "1 list written: \"<out>/cd 001.txt\"."},
      {"all too large", 1, {{"a.bin", 10 + 1.0 / 1048576}, {"b.bin", 12}}, Start::AsGathered, {}, {true, true},
       "No checked file fits the capacity of 10 megabytes.\r\nNo list was written."},
      {"names differing in case", 1, {{"A.bin", 6}, {"a.bin", 5}}, Start::AsGathered, {{"A.bin"}, {"a.bin"}},
       {false, false}, twoWritten},
      {"nothing checked", 1, {{"a.bin", 1}}, Start::NothingChecked, {}, {false},
       "No file of the upper list is checked, so there is nothing to split.\r\nNo list was written."},
      {"search cannot run", 1, {{"a.bin", 1}}, Start::SearchDisabled, {}, {true},
       "The search cannot run at the moment.\r\nNo list was written."},
      {"method 3", 3, {{"a.bin", 1}}, Start::AsGathered, {}, {true},
       "The batch search method 3 is not known; use 0, 1 or 2. No list was written."},
      {"method -1", -1, {{"a.bin", 1}}, Start::AsGathered, {}, {true},
       "The batch search method -1 is not known; use 0, 1 or 2. No list was written."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Batch b(c.files);
    for (int row = 0; c.start == Start::NothingChecked && row < int(c.files.size()); ++row)
      b.t.window.catalogue().setUpperChecked(row, false);
    b.t["cmdsearch"].enabled = c.start != Start::SearchDisabled;
    b.t.window.run().searchmethod = c.method;
    b.run();
    const std::vector<QStringList> lists = b.numberedLists();
    EXPECT_EQ(lists, c.lists);
    EXPECT_EQ(b.upperChecks(), c.checks);
    EXPECT_TRUE(b.t.lower().isEmpty());
    EXPECT_EQ(b.t.window.run().partcount, int(lists.size()));
    EXPECT_EQ(b.report(), c.report);
    EXPECT_EQ(b.t.messages.shown.value(0).icon,
              c.lists.empty() ? platform::MessageIcon::Exclamation : platform::MessageIcon::Information);
    EXPECT_FALSE(b.t.window.run().listWriteFailed);
    EXPECT_TRUE(b.t.dialogs.titles.isEmpty() && b.t["mnuscan"].tag.isEmpty());
  }
}

TEST(BatchSearch, ANameWithoutAFileNameWritesNothing) {
  for (const char* name : {"out/", "out/.", "out/..", "/"}) {
    SCOPED_TRACE(name);
    Batch b(fiveFiles);
    const QString given = name[0] == '/' ? QString(name) : b.t.tree.path(name);
    b.t["mnuscan"].tag = given;
    b.run();
    EXPECT_TRUE(b.lists().empty());
    EXPECT_TRUE(QDir(b.t.tree.root()).entryList({"*001*"}, QDir::AllEntries).isEmpty());
    EXPECT_EQ(b.upperChecks(), QList<bool>(5, true));
    EXPECT_EQ(b.report(), QString(given).replace(b.t.tree.path("out"), "<out>").prepend("The list name \"") +
                              "\" does not end in a file name.\r\nNo list was written.");
  }
}

TEST(BatchSearch, AListThatCannotBeWrittenStopsTheBatchAndItsFilesStayChecked) {
  const struct {
    const char* what;
    bool folder;  // else a file
    mode_t mode;
    int error;
  } cases[] = {
      {"a 0444 list", false, 0444, EACCES},
      {"a 0000 list", false, 0, EACCES},
      {"a folder in the way", true, 0755, EISDIR},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Batch b(fiveFiles);
    if (c.folder)
      b.t.tree.folder("out/cd 002.txt");
    else
      b.t.tree.file("out/cd 002.txt", 5);
    ASSERT_EQ(::chmod(platform::encodeFileName(b.out("cd 002.txt")).constData(), c.mode), 0);
    b.run();
    struct stat blocked {};
    ASSERT_EQ(::stat(platform::encodeFileName(b.out("cd 002.txt")).constData(), &blocked), 0);
    ::chmod(platform::encodeFileName(b.out("cd 002.txt")).constData(), 0755);

    EXPECT_EQ(S_ISDIR(blocked.st_mode), c.folder);
    EXPECT_EQ(blocked.st_mode & 07777, c.mode);
    if (!c.folder) {
      EXPECT_EQ(blocked.st_size, 5);
    }
    EXPECT_FALSE(QFileInfo::exists(b.out("cd 003.txt")));
    std::vector<std::pair<QString, QStringList>> expectedLists = {{"cd 001.txt", {"a.bin", "e.bin"}}};
    if (!c.folder) expectedLists.push_back({"cd 002.txt", {}});  // the old file, untouched
    EXPECT_EQ(b.lists(), expectedLists);
    // The second part (b, d) is checked again; c was never placed.
    EXPECT_EQ(b.upperChecks(), QList<bool>({false, true, true, true, false}));
    EXPECT_TRUE(b.t.lower().isEmpty());
    EXPECT_TRUE(b.t.window.run().listWriteFailed);
    QString expected = "The list \"<out>/cd 002.txt\" could not be written: " +
                       QString::fromLocal8Bit(std::strerror(c.error)) +
                       ". The batch stopped there; the files of that part are checked again in the upper list.\r\n"
                       "1 list written: \"<out>/cd 001.txt\".";
    if (!c.folder) expected += "\r\nLeft from an earlier batch and not part of this one:\r\n\"<out>/cd 002.txt\"";
    EXPECT_EQ(b.report(), expected);
    EXPECT_EQ(b.t.messages.shown.value(0).icon, platform::MessageIcon::Exclamation);
  }
}

TEST(BatchSearch, ListsOfAnEarlierBatchAreNamedAndKept) {
  Batch b({{"a.bin", 6}, {"b.bin", 5}});
  const char* const earlier[] = {"cd 002.txt", "cd 003.txt", "cd 1000.txt", "cd 999.txt", "cd 004.txt", "cd 0005.txt",
                                 "cd 000.txt", "cd 003.txt.bak", "dvd 003.txt", "cd 006.TXT"};
  for (const char* name : earlier) b.t.tree.file(QStringLiteral("out/") + name, 1);
  b.t.tree.folder("out/cd 007.txt");  // a folder is no list
  b.run();
  for (const char* name : earlier) EXPECT_TRUE(QFileInfo::exists(b.out(name))) << name;
  EXPECT_EQ(b.report(),
            "2 lists written, from \"<out>/cd 001.txt\" to \"<out>/cd 002.txt\".\r\n"
            "Left from an earlier batch and not part of this one:\r\n"
            "\"<out>/cd 003.txt\"\r\n\"<out>/cd 004.txt\"\r\n\"<out>/cd 999.txt\"\r\n\"<out>/cd 1000.txt\"");
  EXPECT_EQ(b.t.messages.shown.value(0).icon, platform::MessageIcon::Exclamation);
}

TEST(BatchSearch, StopEndsTheBatchBetweenCyclesAndAnEarlierStopIsForgotten) {
  const struct {
    const char* what;
    bool stopBefore;   // a stop request left from before the batch
    bool stopDuring;   // Stop pressed during the first cycle
    int lists;
    QList<bool> checks;
    QString report;
  } cases[] = {
      {"stopped in the first cycle", false, true, 1, {false, true, true, true, false},
       "The batch was stopped.\r\n1 list written: \"<out>/cd 001.txt\"."},
      {"stopped before it started", true, false, 3, QList<bool>(5, false),
       "3 lists written, from \"<out>/cd 001.txt\" to \"<out>/cd 003.txt\"."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Batch b(fiveFiles);
    b.t.window.run().stopflag = c.stopBefore;
    if (c.stopDuring) b.t.pump.onPump = [&b](int) { b.t.window.cmdstop_Click(); };
    b.run();
    EXPECT_EQ(b.lists().size(), size_t(c.lists));
    EXPECT_EQ(b.upperChecks(), c.checks);
    EXPECT_EQ(b.report(), c.report);
  }
}

TEST(BatchSearch, NamesWithLineBreaksStayOutOfEveryListAndStayChecked) {
  const struct {
    const char* what;
    TestWindow::Files files;
    bool breakInFolder;
    std::vector<QStringList> lists;
    QList<bool> checks;
    QString report;
  } cases[] = {
      {"beside others", {{"a.bin", 6}, {"b\nc.bin", 1}, {"d\re.bin", 1}, {"f.bin", 5}}, false, {{"a.bin"}, {"f.bin"}},
       {false, true, true, false},
       "2 lists written, from \"<out>/cd 001.txt\" to \"<out>/cd 002.txt\".\r\n"
       "A line break in their names keeps these files out of every list; they stay checked in the upper list:\r\n"
       "\"<in>/b\\nc.bin\"\r\n\"<in>/d\\re.bin\""},
      {"in a folder's name", {{"a.bin", 1}}, true, {{"a.bin"}}, {false, true},
       "1 list written: \"<out>/cd 001.txt\".\r\n"
       "A line break in their names keeps these files out of every list; they stay checked in the upper list:\r\n"
       "\"<in>/sub\\nfolder/g.bin\""},
      {"alone", {{"b\nc.bin", 1}}, false, {}, {true},
       "No list was written.\r\n"
       "A line break in their names keeps these files out of every list; they stay checked in the upper list:\r\n"
       "\"<in>/b\\nc.bin\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Batch b(c.files);
    if (c.breakInFolder) {  // gathered again with a subfolder whose name holds a line break
      b.t.tree.file("in/sub\nfolder/g.bin", 1048576);
      b.t["chkrecurse"].value = 1;
      b.t.window.cmdadd_Click();
    }
    b.run();
    EXPECT_EQ(b.numberedLists(), c.lists);
    EXPECT_EQ(b.upperChecks(), c.checks);
    EXPECT_EQ(b.report(), c.report);
  }
}

}  // namespace
