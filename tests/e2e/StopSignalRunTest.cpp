// The real program stopped by SIGINT or SIGTERM: in the middle of a batch it stops as the
// Stop command would, leaves only complete lists and no temporary file, and ends with
// 128 + the signal's number (headless) or as a closed window does; a second signal ends it
// at once, still without a temporary file.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QSignalSpy>

#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

constexpr int fileCount = 4000;  // one list each: far more work than the signal needs to arrive

// The names in `folder`, hidden ones too.
QStringList namesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Runs the program until a file appears in the folder `out` (made here, watched for at most half a
// minute), then sends it `signal`, a second time at once with `twice`.
testing_support::RunResult signalOnceAListIsWritten(testing_support::TempTree& tree, const QString& out,
                                                   const QStringList& switches, const testing_support::RunSettings& s,
                                                   int signal, bool twice = false) {
  tree.folder(out);
  QFileSystemWatcher watcher({tree.path(out)});
  QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
  testing_support::ProgramRun run(switches, s);
  if (!run.started() || !changed.wait(30000)) return ADD_FAILURE() << "no list appeared", testing_support::RunResult{};
  EXPECT_EQ(::kill(pid_t(run.processId()), signal), 0);
  if (twice) ::kill(pid_t(run.processId()), signal);
  return run.finish();
}

// The files in `folder`, each of which must be a whole list of the batch named "cd.txt"
// filled to the brim: no temporary file, no half-written list, no list of another batch.
QStringList completeLists(const QString& folder) {
  const QStringList names = namesIn(folder);
  for (const QString& name : names) {
    QFile list(folder + u'/' + name);
    EXPECT_TRUE(name.startsWith(QStringLiteral("cd "))) << name.toStdString();
    EXPECT_TRUE(list.open(QIODevice::ReadOnly) && list.readAll().endsWith("(100% CD utilization)\r\n"))
        << name.toStdString();
  }
  return names;
}

TEST(StopSignalRun, StopsTheBatchLeavingOnlyCompleteLists) {
  const struct {
    bool headless;
    int signal, status;
    bool twice;  // a second signal at once: the status is then the signal's own (-1) or the first's
  } cases[] = {{true, SIGTERM, 128 + SIGTERM, false},
               {true, SIGINT, 128 + SIGINT, false},
               {false, SIGTERM, 0, false},
               {true, SIGINT, 128 + SIGINT, true},
               {false, SIGTERM, 0, true}};
  testing_support::TempTree tree;
  for (int i = 0; i < fileCount; ++i) tree.file(QStringLiteral("in/%1").arg(i, 4, 10, QChar(u'0')), 1048576);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.headless ? "headless, " : "window, ") + (c.signal == SIGINT ? "SIGINT" : "SIGTERM") +
                 (c.twice ? " twice" : ""));
    const QString out = QStringLiteral("out%1").arg(&c - cases);
    // The second batch would write lists of its own if the command line went on.
    const testing_support::RunResult r = signalOnceAListIsWritten(
        tree, out, {"/limit", "1", "/path", tree.path("in"), "/batch", "1", tree.path(out + "/cd.txt"), "/batch", "1",
                    tree.path(out + "/after.txt")},
        {.folder = tree.root(), .headless = c.headless}, c.signal, c.twice);

    if (c.twice)
      EXPECT_TRUE(r.exitCode == -1 || r.exitCode == c.status) << r.exitCode;
    else
      EXPECT_EQ(r.exitCode, c.status);
    EXPECT_TRUE(r.out.isEmpty());  // no state of a run that was cut short
    const QStringList lists = completeLists(tree.path(out));
    EXPECT_LT(lists.size(), fileCount) << "the batch ran to its end";
    if (!c.twice) {
      EXPECT_GT(lists.size(), 0);
      EXPECT_TRUE(r.err.contains("Batch search: The batch was stopped.\r\n")) << r.err.constData();
    }
  }
}

// Two hundred thousand files planned onto discs of two each: Ctrl+C while the lists are
// written ends the batch after the list in hand, and the report tells the lists written
// apart from the plan.
TEST(StopSignalRun, ABestFillBatchOfAllItsListsStopsAtTheListInHand) {
  constexpr int files = 200000;
  testing_support::TempTree tree(QStringLiteral("/dev/shm"));
  for (int i = 0; i < files; ++i) tree.file(QStringLiteral("in/%1").arg(i, 6, 10, QChar(u'0')), 524288);
  const testing_support::RunResult r = signalOnceAListIsWritten(
      tree, "out", {"/limit", "1", "/path", tree.path("in"), "/batch", "2", tree.path("out/cd.txt")},
      {.folder = tree.root()}, SIGINT);

  EXPECT_EQ(r.exitCode, 128 + SIGINT);
  const QStringList lists = completeLists(tree.path("out"));
  const QRegularExpressionMatch told =
      QRegularExpression(QStringLiteral("^Batch search: The batch was stopped\\.\r\n(\\d+) lists? written.*\r\n"
                                        "The plan holds (\\d+) lists; at least (\\d+) discs are needed\\.\n$"),
                         QRegularExpression::DotMatchesEverythingOption)
          .match(QString::fromUtf8(r.err));
  ASSERT_TRUE(told.hasMatch()) << r.err.constData();
  EXPECT_EQ(told.captured(1).toInt(), lists.size());
  EXPECT_EQ(told.captured(2).toInt(), files / 2);
  EXPECT_LT(lists.size(), files / 2);
}

}  // namespace
