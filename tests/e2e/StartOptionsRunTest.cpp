// --help and --version of the real program: printed on standard output with status 0, in
// the window and headless alike, with no window opened and no display needed.
#include <gtest/gtest.h>

#include "shell/StartOptions.h"
#include "support/ProgramRun.h"

namespace {

TEST(StartOptionsRun, PrintWithoutAWindowOrADisplay) {
  const struct {
    QStringList arguments;
    testing_support::RunSettings settings;
    QString printed;
  } cases[] = {
      {{"--help"}, {.headless = false}, shell::usageText()},
      {{"-h"}, {.headless = true}, shell::usageText()},
      {{"--version"}, {.headless = false, .display = false}, QStringLiteral("fillpack " FILLPACK_VERSION "\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.first().toStdString());
    const testing_support::RunResult r = testing_support::runProgram(c.arguments, c.settings);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QByteArray());
    EXPECT_EQ(QString::fromUtf8(r.out), c.printed);
  }
}

}  // namespace
