// The command line: tokenising, joining the process arguments and applying the switches.
#include <gtest/gtest.h>

#include "shell/CommandLine.h"
#include "shell/MainForm.h"
#include "support/OutputFakes.h"

namespace {

using platform::MessageIcon;

TEST(CommandLineSplit, TokensAndRewrittenText) {
  struct Case {
    const char* line;
    const char* rewritten;
    QStringList tokens;
  };
  const Case cases[] = {
      {"", "", {""}},
      {"   ", "", {""}},
      {"/smart", "/smart", {"/smart"}},
      {"  /path x", "/path|x", {"/path", "x"}},
      {"/a  /b", "/a|/b", {"/a", "/b"}},
      {"/a     /b", "/a|/b", {"/a", "/b"}},
      {"/a | /b", "/a||/b", {"/a", "", "/b"}},
      {"/a |/b", "/a||/b", {"/a", "", "/b"}},
      {"/a| /b", "/a|/b", {"/a", "/b"}},
      {"/a|/b", "/a|/b", {"/a", "/b"}},
      {"/a ", "/a|", {"/a", ""}},
      {"/a   ", "/a|", {"/a", ""}},
      {"/path \"/My Music/x y\" /smart", "/path|\"/My Music/x y\"|/smart", {"/path", "\"/My Music/x y\"", "/smart"}},
      {"/include \"*.mp3; *.wav\"", "/include|\"*.mp3; *.wav\"", {"/include", "\"*.mp3; *.wav\""}},
      {"a\"b c\"d e", "a\"b c\"d|e", {"a\"b c\"d", "e"}},
      {"\"open quote a b", "\"open quote a b", {"\"open quote a b"}},
      {"a\tb", "a\tb", {"a\tb"}},
  };
  for (const Case& c : cases) {
    QStringList tokens = {QStringLiteral("stale")};
    const QString rewritten = shell::splitparameters(QString::fromLatin1(c.line), tokens);
    EXPECT_EQ(rewritten, QString::fromLatin1(c.rewritten)) << '[' << c.line << ']';
    EXPECT_EQ(tokens, c.tokens) << '[' << c.line << ']';
  }
}

TEST(CommandLineSplit, JoinQuotesArgumentsWithBlanks) {
  EXPECT_EQ(shell::joinArguments({}), QString());
  EXPECT_EQ(shell::joinArguments({"/path", "/home/me/My Music", " lead", "tab\there"}),
            QStringLiteral("/path \"/home/me/My Music\" \" lead\" tab\there"));

  // What the join writes, the tokeniser reads back as the same arguments.
  const QStringList arguments = {"/recurse", "/a b/c  d", "/smart"};
  QStringList tokens;
  shell::splitparameters(shell::joinArguments(arguments), tokens);
  EXPECT_EQ(tokens, QStringList({"/recurse", "\"/a b/c  d\"", "/smart"}));
}

class CommandLineSwitches : public ::testing::Test, protected testing_support::TestWindow {
 protected:
  void run(const QString& line) { shell::processcommandline(line, window); }
  catalogue::Control& control(const char* name, int index = -1) {
    return window.form()(QString::fromLatin1(name), index);
  }
};

// Unknown tokens are reported one by one and skipped; a switch that lacks its argument ends
// the line silently; search names are taken without a word.
TEST_F(CommandLineSwitches, UnknownTokensAreReportedAndSkipped) {
  struct Case {
    const char* line;
    QStringList texts;  // the reported tokens as they appear in the messages
    const char* limit;
  };
  const Case cases[] = {
      {"", {}, "702"},
      {"/Bogus", {"/bogus"}, "702"},
      {"\\FOO /limit 5", {"\\foo"}, "5"},
      {"/smart | /genius", {""}, "702"},
      {"x /limit 5 Y", {"x", "y"}, "5"},
      {"/limit 5 /path", {}, "5"},
      {"/limit", {}, "702"},
      {"/smart /INTELLIGENT \\genius", {}, "702"},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    control("txtlimit").text = QStringLiteral("702");
    run(QString::fromLatin1(c.line));
    ASSERT_EQ(messages.shown.size(), c.texts.size()) << c.line;
    for (qsizetype i = 0; i < c.texts.size(); ++i) {
      EXPECT_EQ(messages.shown[i].title, QStringLiteral("Command not recognised"));
      EXPECT_EQ(messages.shown[i].text,
                c.texts[i] + QStringLiteral(" is not a valid command\r\n\r\nTry the /? parameter for assistance"));
      EXPECT_EQ(messages.shown[i].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(control("txtlimit").text, QString::fromLatin1(c.limit)) << c.line;
    EXPECT_TRUE(control("txtdir").text.isEmpty()) << c.line;
    EXPECT_EQ(window.catalogue().lstmain().count(), 0) << c.line;
  }
}

TEST_F(CommandLineSwitches, HelpShowsSixInformationBoxes) {
  const QStringList expected = {"Add files within a directory", "Limit searches to certain extentions",
                                "Capacity of the medium", "Check for backed up files", "Batch search",
                                "Scan for files"};
  for (const char* line : {"/?", "\\HELP"}) {
    messages.shown.clear();
    run(QString::fromLatin1(line));
    QStringList titles;
    for (const testing_support::ShownMessage& m : messages.shown) {
      titles.append(m.title);
      EXPECT_EQ(m.icon, MessageIcon::Information);
      EXPECT_FALSE(m.text.isEmpty());
    }
    EXPECT_EQ(titles, expected) << line;
  }
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("To add all files in a directory, use '/path <PATHNAME>'\r\n"
                                                   "And to recurse subdirectories use '/recurse' instead of '/path'"));
  EXPECT_EQ(messages.shown[2].text, QStringLiteral("To set the size limit/capacity of the media, use '/limit <SIZE>' "
                                                   "where the size is in megabytes"));
}

TEST_F(CommandLineSwitches, LimitKeepsTheLeadingNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"700MB", "700"}, {"abc", "0"}, {"98", "98"}, {"1.5GB", "1.5"}, {"-3", "-3"}, {"4450.0", "4450"}, {"1e3", "1000"},
  };
  for (const auto& [argument, expected] : cases) {
    run(QStringLiteral("/limit ") + QString::fromLatin1(argument));
    EXPECT_EQ(control("txtlimit").text, QString::fromLatin1(expected)) << argument;
  }
}

}  // namespace
