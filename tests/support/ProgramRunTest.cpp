// Reading the printed state back: the end-to-end tests trust these sections and labels, so
// a wrong split here would make their checks pass or fail for the wrong reason.
#include <gtest/gtest.h>
#include <signal.h>

#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using testing_support::parseState;
using testing_support::RunResult;
using testing_support::StateSections;

TEST(ProgramRunState, SplitsTheStateIntoSectionsOfRawLines) {
  const struct {
    const char* what;
    QByteArray state;
    StateSections expected;
  } cases[] = {
      {"names keep their bytes", "[lstmain]\n1\tcaf\xe9.txt\t0 B\n[lstsec]\n[labels]\ntxttotal\t\n",
       {{"[lstmain]", {"1\tcaf\xe9.txt\t0 B"}}, {"[labels]", {"txttotal\t"}}}},
      {"nothing before the first section", "stray\n[lstsec]\n1\t/a\t0000000001\n", {{"[lstsec]", {"1\t/a\t0000000001"}}}},
      {"empty lines are no records", "[lstsec]\n\n1\t/a\t0000000001\n\n", {{"[lstsec]", {"1\t/a\t0000000001"}}}},
      {"a carriage return is part of its line", "[labels]\ntxtdir\t/a\r\n", {{"[labels]", {"txtdir\t/a\r"}}}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseState(c.state), c.expected) << c.what;
}

TEST(ProgramRunState, FindsALabelByItsWholeName) {
  RunResult r;
  r.sections = parseState(
      "[lstsec]\ntxtlimit\t1\n"
      "[labels]\ntxtdirectory\tno\ntxtdir\t/m\xc3\xbcsic\ntxttotal\t\ntxtpattern\t*\\t*\ntxtpattern\tlater\n");
  const struct {
    const char* name;
    QString text;
  } cases[] = {
      {"txtdir", QStringLiteral("/müsic")},      // decoded, not matched as the start of txtdirectory
      {"txtpattern", QStringLiteral("*\\t*")},   // as written, the first of two
      {"txttotal", QStringLiteral("")},
      {"txt", QString()},                        // a name's start is no name
      {"txtlimit", QString()},                   // lines of other sections are no labels
  };
  for (const auto& c : cases) {
    EXPECT_EQ(r.label(c.name), c.text) << c.name;
    EXPECT_EQ(r.label(c.name).isNull(), c.text.isNull()) << c.name;
  }
  EXPECT_EQ(r.lines("[lstsec]"), QStringList{"txtlimit\t1"});
  EXPECT_TRUE(r.lines("[lstmain]").isEmpty());
}

// A killed program has no exit code, so no test can take the signal's number for a status.
TEST(ProgramRun, AKilledRunEndsWithoutAnExitCode) {
  testing_support::TempTree tree;
  testing_support::ProgramRun run({}, {.folder = tree.root(), .headless = false});
  ASSERT_TRUE(run.started());
  ASSERT_EQ(::kill(pid_t(run.processId()), SIGKILL), 0);
  EXPECT_EQ(run.finish().exitCode, -1);
}

}  // namespace
