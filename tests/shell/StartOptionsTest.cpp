// The options in front of the switches: only the leading tokens are options, every later
// one stays a token of the command line.
#include <gtest/gtest.h>

#include "shell/StartOptions.h"

namespace {

TEST(StartOptions, OnlyTheLeadingTokensAreOptions) {
  const QString usage = shell::usageText();
  const QString version = shell::versionText();
  const struct {
    QStringList arguments;
    bool headless;
    QString printout;
    QStringList switches;  // looked at only when nothing is printed
  } cases[] = {
      {{"--help", "/path", "x"}, false, usage, {}},
      {{"-h"}, false, usage, {}},
      {{"--headless", "--version"}, true, version, {}},
      {{"--version", "--help"}, false, version, {}},
      {{"/path", "--help"}, false, {}, {"/path", "--help"}},
      {{"--headless", "/path", "-h", "/recurse", "--version"}, true, {}, {"/path", "-h", "/recurse", "--version"}},
      {{"--HELP", "-H", "--versions"}, false, {}, {"--HELP", "-H", "--versions"}},
      {{"--headless", "--headless"}, true, {}, {"--headless"}},
      {{"", "--help"}, false, {}, {"", "--help"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    const shell::StartOptions options = shell::readStartOptions(c.arguments);
    EXPECT_EQ(options.headless, c.headless);
    EXPECT_EQ(options.printout, c.printout);
    if (c.printout.isEmpty()) {
      EXPECT_EQ(options.switches, c.switches);
    }
  }
  EXPECT_EQ(version, QStringLiteral("fillpack " FILLPACK_VERSION "\n"));
}

}  // namespace
