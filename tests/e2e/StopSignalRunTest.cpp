// The real program stopped by SIGINT or SIGTERM in the middle of a batch: it stops as the
// Stop command would, leaves only complete lists and no temporary file, and ends with
// 128 + the signal's number (headless) or as a closed window does.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSignalSpy>

#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

constexpr int fileCount = 4000;  // one list each: far more work than the signal needs to arrive

TEST(StopSignalRun, StopsTheBatchLeavingOnlyCompleteLists) {
  const struct {
    bool headless;
    int signal, status;
  } cases[] = {{true, SIGTERM, 128 + SIGTERM}, {true, SIGINT, 128 + SIGINT}, {false, SIGTERM, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.headless ? "headless, " : "window, ") + (c.signal == SIGINT ? "SIGINT" : "SIGTERM"));
    testing_support::TempTree tree;
    for (int i = 0; i < fileCount; ++i) tree.file(QStringLiteral("in/%1").arg(i, 4, 10, QChar(u'0')), 1048576);
    tree.folder("out");
    QFileSystemWatcher watcher({tree.path("out")});
    QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
    // The second batch would write lists of its own if the command line went on.
    testing_support::ProgramRun run({"/limit", "1", "/path", tree.path("in"), "/batch", "1", tree.path("out/cd.txt"),
                                     "/batch", "1", tree.path("out/after.txt")},
                                    {.folder = tree.root(), .headless = c.headless});
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(changed.wait(30000)) << "no list appeared";
    ASSERT_EQ(::kill(pid_t(run.processId()), c.signal), 0);
    const testing_support::RunResult r = run.finish();

    EXPECT_EQ(r.exitCode, c.status);
    EXPECT_TRUE(r.out.isEmpty());  // no state of a run that was cut short
    const QDir out(tree.path("out"));
    const QStringList lists = out.entryList(QDir::Files | QDir::Hidden);
    EXPECT_GT(lists.size(), 0);
    EXPECT_LT(lists.size(), fileCount) << "the batch ran to its end";
    for (const QString& name : lists) {  // no temporary file, no list of the second batch
      QFile list(out.filePath(name));
      EXPECT_TRUE(name.startsWith(QStringLiteral("cd "))) << name.toStdString();
      ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << name.toStdString();
      EXPECT_TRUE(list.readAll().endsWith("(100% CD utilization)\r\n")) << name.toStdString();
    }
  }
}

}  // namespace
