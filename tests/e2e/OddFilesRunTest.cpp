// The real program among files that are not what their names promise: a pipe where the
// settings file should be, a pipe and a huge file among the language packs. Each run must
// end by itself (the window when told to close) with status 0, and the pipe must still be
// a pipe afterwards. The program runs from a folder of its own, so that its data folder
// (the one beside it) can hold such packs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "platform/FileNames.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using testing_support::TempTree;

bool isFifo(const QString& path) {
  struct stat st {};
  return ::lstat(platform::encodeFileName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

class OddFilesRun : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.folder("bin/language");
    program = tree.path("bin/fillpack");
    // A second name of the built program, or a copy where a link cannot be made.
    if (::link(FILLPACK_BINARY, QFile::encodeName(program).constData()) != 0) {
      ASSERT_TRUE(QFile::copy(QStringLiteral(FILLPACK_BINARY), program));
    }
    tree.fifo("bin/language/a pipe.lpk");
    QFile huge(tree.path("bin/language/huge.lpk"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("[frmmain]\nCaption=\"Huge\"\n");
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024));  // sparse: no disk used
    tree.fifo("config/Fillpack/Fillpack.ini");
  }

  testing_support::RunSettings settings(bool headless) const {
    return {.folder = tree.root(), .headless = headless, .configHome = tree.path("config"),
            .stopSignalsBlocked = !headless, .program = program};
  }

  TempTree tree;
  QString program;
};

TEST_F(OddFilesRun, HeadlessEndsByItself) {
  const testing_support::RunResult r = testing_support::runProgram({"/limit", "702"}, settings(true));
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_EQ(r.label("txtlimit"), "702");
}

// The pipe at the settings file's name reads as no settings; the save at the close leaves
// it a pipe and says so on standard error.
TEST_F(OddFilesRun, TheWindowStartsAndClosesWithoutReplacingThePipe) {
  testing_support::ProgramRun run({}, settings(false));
  ASSERT_TRUE(run.started());
  ::kill(pid_t(run.processId()), SIGTERM);
  const testing_support::RunResult r = run.finish();
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  const QString ini = tree.path("config/Fillpack/Fillpack.ini");
  EXPECT_TRUE(r.err.contains("Fillpack: The settings could not be saved to \"" + QFile::encodeName(ini) +
                             "\": Not a regular file."))
      << r.err.constData();
  EXPECT_TRUE(isFifo(ini));
}

}  // namespace
