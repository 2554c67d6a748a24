// The command line: tokenising, joining the process arguments and applying the switches.
#include <gtest/gtest.h>

#include <memory>

#include "shell/CommandLine.h"
#include "shell/MainForm.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

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
  EXPECT_EQ(shell::joinArguments({"/path", "/home/me/My Music", "/limit", "700"}),
            QStringLiteral("/path \"/home/me/My Music\" /limit 700"));
  EXPECT_EQ(shell::joinArguments({"/include", "*.mp3;*.wav"}), QStringLiteral("/include *.mp3;*.wav"));
  EXPECT_EQ(shell::joinArguments({" lead", "tab\there"}), QStringLiteral("\" lead\" tab\there"));

  // What the join writes, the tokeniser reads back as the same arguments.
  const QStringList arguments = {"/recurse", "/a b/c  d", "/smart"};
  QStringList tokens;
  shell::splitparameters(shell::joinArguments(arguments), tokens);
  EXPECT_EQ(tokens, QStringList({"/recurse", "\"/a b/c  d\"", "/smart"}));
}

class CommandLineSwitches : public ::testing::Test {
 protected:
  void run(const QString& line) { shell::processcommandline(line, window); }
  catalogue::Control& control(const char* name, int index = -1) {
    return window.form()(QString::fromLatin1(name), index);
  }
  QStringList titles() const {
    QStringList out;
    for (const testing_support::ShownMessage& m : messages.shown) out.append(m.title);
    return out;
  }

  testing_support::TempTree tree;
  testing_support::ScriptedPump pump;
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPicker picker;
  testing_support::TestValueStore registry;
  shell::MainForm window{shell::Services{messages, picker, pump, registry, nullptr, QString()}};
};

TEST_F(CommandLineSwitches, EmptyLineDoesNothing) {
  run(QString());
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(control("txtlimit").text, QStringLiteral("702"));
  EXPECT_EQ(control("txtpattern").text, QStringLiteral("*.*"));
  EXPECT_EQ(window.catalogue().lstmain().count(), 0);
}

TEST_F(CommandLineSwitches, UnknownTokensAreReportedAndSkipped) {
  struct Case {
    const char* line;
    QStringList texts;  // the reported tokens as they appear in the messages
  };
  const Case cases[] = {
      {"/Bogus", {"/bogus"}},
      {"\\FOO /limit 5", {"\\foo"}},
      {"/smart | /genius", {""}},
      {"x /limit 5 Y", {"x", "y"}},
      {"/limit 5 /path", {}},
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
    const QString limit = QByteArray(c.line).contains("/limit 5") ? QStringLiteral("5") : QStringLiteral("702");
    EXPECT_EQ(control("txtlimit").text, limit) << c.line;
  }
}

TEST_F(CommandLineSwitches, SwitchWithoutItsArgumentEndsTheLineSilently) {
  tree.file(QStringLiteral("a.txt"));
  run(QStringLiteral("/limit 100 /path"));
  EXPECT_EQ(control("txtlimit").text, QStringLiteral("100"));
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(window.catalogue().lstmain().count(), 0);
  EXPECT_TRUE(control("txtdir").text.isEmpty());

  run(QStringLiteral("/limit"));
  EXPECT_EQ(control("txtlimit").text, QStringLiteral("100"));
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(CommandLineSwitches, HelpShowsSixInformationBoxes) {
  const QStringList expected = {"Add files within a directory",   "Limit searches to certain extentions",
                                "Capacity of the medium",         "Check for backed up files",
                                "Batch search",                   "Scan for files"};
  for (const char* line : {"/?", "\\HELP"}) {
    messages.shown.clear();
    run(QString::fromLatin1(line));
    EXPECT_EQ(titles(), expected) << line;
    for (const testing_support::ShownMessage& m : messages.shown) {
      EXPECT_EQ(m.icon, MessageIcon::Information);
      EXPECT_FALSE(m.text.isEmpty());
    }
  }
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("To add all files in a directory, use '/path <PATHNAME>'\r\n"
                                                   "And to recurse subdirectories use '/recurse' instead of '/path'"));
  EXPECT_EQ(messages.shown[2].text, QStringLiteral("To set the size limit/capacity of the media, use '/limit <SIZE>' "
                                                   "where the size is in megabytes"));
}

TEST_F(CommandLineSwitches, SearchNamesAreAcceptedSilently) {
  run(QStringLiteral("/smart /INTELLIGENT \\genius"));
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(window.catalogue().lstmain().count(), 0);
  EXPECT_EQ(window.catalogue().lstsec().count(), 0);
}

TEST_F(CommandLineSwitches, PatternSwitchesSetPatternAndMode) {
  run(QStringLiteral("/exclude *.tmp;*.bak"));
  EXPECT_EQ(control("txtpattern").text, QStringLiteral("*.tmp;*.bak"));
  EXPECT_EQ(control("optmain", 0).value, 0);
  EXPECT_EQ(control("optmain", 1).value, 1);

  run(QStringLiteral("/INCLUDE \"*.mp3; *.wav\""));
  EXPECT_EQ(control("txtpattern").text, QStringLiteral("\"*.mp3; *.wav\""));
  EXPECT_EQ(control("optmain", 0).value, 1);
  EXPECT_EQ(control("optmain", 1).value, 0);
  EXPECT_TRUE(messages.shown.isEmpty());
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

TEST_F(CommandLineSwitches, PathAndRecurseAddTheQuotedFolder) {
  for (const char* f : {"My Music/a.mp3", "My Music/b.txt", "My Music/deep/c.mp3"}) tree.file(QString::fromLatin1(f));
  const QString folder = tree.path(QStringLiteral("My Music"));

  run(QStringLiteral("/include *.mp3 \\PATH \"") + folder + u'"');
  EXPECT_EQ(control("txtdir").text, folder);
  EXPECT_EQ(control("chkrecurse").value, 0);
  ASSERT_EQ(window.catalogue().lstmain().count(), 1);
  EXPECT_EQ(window.catalogue().lstmain().fullPath(0), folder + QStringLiteral("/a.mp3"));
  EXPECT_EQ(control("lblCountList").text, QStringLiteral("Files in list 1 of 0 Megabytes"));

  run(shell::joinArguments({"/exclude", "*.txt", "/Recurse", folder}));
  EXPECT_EQ(control("txtdir").text, folder);
  EXPECT_EQ(control("chkrecurse").value, 1);
  ASSERT_EQ(window.catalogue().lstmain().count(), 2);
  EXPECT_EQ(window.catalogue().lstmain().fullPath(1), folder + QStringLiteral("/deep/c.mp3"));
  EXPECT_TRUE(messages.shown.isEmpty());
}

}  // namespace
