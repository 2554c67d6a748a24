// The command line: every process argument one token, and the switches applied to the window.
#include <gtest/gtest.h>

#include <QDir>

#include "shell/CommandLine.h"
#include "shell/MainForm.h"
#include "support/OutputFakes.h"

namespace {

using platform::MessageIcon;

class CommandLineSwitches : public ::testing::Test, protected testing_support::TestWindow {
 protected:
  void run(const QStringList& arguments) { shell::processcommandline(arguments, window); }
  catalogue::Control& control(const char* name, int index = -1) {
    return window.form()(QString::fromLatin1(name), index);
  }
};

// Unknown tokens are reported one by one and skipped; a switch that lacks its argument ends
// the line silently; search names are taken without a word.
TEST_F(CommandLineSwitches, UnknownTokensAreReportedAndSkipped) {
  struct Case {
    QStringList arguments;
    QStringList texts;  // the reported tokens as they appear in the messages
    const char* limit;
  };
  const Case cases[] = {
      {{}, {}, "702"},
      {{"/Bogus"}, {"/bogus"}, "702"},
      {{"\\FOO", "/limit", "5"}, {"\\foo"}, "5"},
      {{"/smart", "", "/genius"}, {""}, "702"},  // an empty argument is a token of its own
      {{"/smart", "|", "/genius"}, {"|"}, "702"},
      {{"/limit 5"}, {"/limit 5"}, "702"},  // one argument with a blank is one token
      {{"x", "/limit", "5", "Y"}, {"x", "y"}, "5"},
      {{"/limit", "5", "/path"}, {}, "5"},
      {{"/limit"}, {}, "702"},
      {{"/smart", "/INTELLIGENT", "\\genius"}, {}, "702"},
  };
  for (const Case& c : cases) {
    const QString what = c.arguments.join(u' ');
    messages.shown.clear();
    control("txtlimit").text = QStringLiteral("702");
    run(c.arguments);
    ASSERT_EQ(messages.shown.size(), c.texts.size()) << what.toStdString();
    for (qsizetype i = 0; i < c.texts.size(); ++i) {
      EXPECT_EQ(messages.shown[i].title, QStringLiteral("Command not recognised"));
      EXPECT_EQ(messages.shown[i].text,
                c.texts[i] + QStringLiteral(" is not a valid command\r\n\r\nTry the /? parameter for assistance"));
      EXPECT_EQ(messages.shown[i].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(control("txtlimit").text, QString::fromLatin1(c.limit)) << what.toStdString();
    EXPECT_TRUE(control("txtdir").text.isEmpty()) << what.toStdString();
    EXPECT_EQ(window.catalogue().lstmain().count(), 0) << what.toStdString();
  }
}

// Names that a shell hands over as one argument stay one value, whatever they hold: blanks,
// quotes, bars and switch names inside them are part of the name.
TEST_F(CommandLineSwitches, EachArgumentIsOneValue) {
  const QString tricky = QStringLiteral("x\" /recurse /data /batch 0 out/inj.txt \"y");
  tree.file(tricky + QStringLiteral("/a.bin"), 1);
  tree.file(QStringLiteral("p|q/b.bin"), 1);
  tree.folder(QStringLiteral("out"));
  tree.folder(QStringLiteral("lists"));

  run({"/path", tree.path(tricky)});
  EXPECT_EQ(upper(), QStringList{"a.bin"});
  EXPECT_EQ(control("txtdir").text, tree.path(tricky));
  run({"/recurse", tree.path("p|q"), "/limit", "1", "/batch", "1", tree.path("lists/a|b.txt")});
  EXPECT_EQ(QDir(tree.path("lists")).entryList(QDir::Files), QStringList{"a|b 001.txt"});
  EXPECT_TRUE(QDir(tree.path("out")).isEmpty());
  ASSERT_EQ(messages.shown.size(), 1);  // the batch's closing report, and nothing else
  EXPECT_EQ(messages.shown[0].text, "1 list written: \"" + tree.path("lists/a|b 001.txt") + "\".");
}

// A method that no 32-bit number holds is refused like any other unknown method, and the
// command line goes on.
TEST_F(CommandLineSwitches, BatchMethodsBeyondANumberAreRefused) {
  tree.file(QStringLiteral("in/a.bin"), 1);
  for (const char* method : {"4294967296", "1e10", "-1e400", "3"}) {
    messages.shown.clear();
    control("txtlimit").text = QStringLiteral("702");
    run({"/path", tree.path("in"), "/batch", method, tree.path("cd.txt"), "/limit", "9"});
    ASSERT_EQ(messages.shown.size(), 1) << method;
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Batch search"));
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("The batch search method "))) << method;
    EXPECT_EQ(control("txtlimit").text, QStringLiteral("9")) << method;
  }
  EXPECT_EQ(QDir(tree.root()).entryList(QDir::Files), QStringList{});
}

// A value that is missing, because the next argument is a switch or there is none, ends the
// command line silently; an empty value is a value.
TEST_F(CommandLineSwitches, MissingValuesEndTheLine) {
  tree.file(QStringLiteral("in/a.bin"), 1);
  tree.folder(QStringLiteral("out"));
  struct Case {
    QStringList arguments;
    const char* limit;    // after the run; 702 when the line ended before "/limit 9"
    const char* pattern;  // txtpattern after the run
  };
  const Case cases[] = {
      {{"/batch", "1", "/dumb", "/limit", "9"}, "702", "*.*"},
      {{"/batch", "1", "\\DUMB", "/limit", "9"}, "702", "*.*"},
      {{"/path", "/recurse", "/limit", "9"}, "702", "*.*"},
      {{"/include", "/path", "/limit", "9"}, "702", "*.*"},
      {{"/exclude", "/LIMIT", "9"}, "702", "*.*"},
      {{"/limit", "/path", "9"}, "702", "*.*"},
      {{"/include", "", "/limit", "9"}, "9", ""},
      {{"/batch", "", tree.path("out/cd.txt"), "/limit", "9"}, "9", "*.*"},  // "" is method 0
  };
  for (const Case& c : cases) {
    const QString what = c.arguments.join(u' ');
    control("txtlimit").text = QStringLiteral("702");
    control("txtpattern").text = QStringLiteral("*.*");
    control("txtdir").text = tree.path(QStringLiteral("in"));
    window.cmdadd_Click();
    run(c.arguments);
    EXPECT_EQ(control("txtlimit").text, QString::fromLatin1(c.limit)) << what.toStdString();
    EXPECT_EQ(control("txtpattern").text, QString::fromLatin1(c.pattern)) << what.toStdString();
  }
  // Only the empty method wrote lists, and nothing was ever written at the root.
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files), QStringList{"cd 001.txt"});
  EXPECT_TRUE(QDir(tree.root()).entryList({"*001*"}, QDir::Files).isEmpty());
}

TEST_F(CommandLineSwitches, HelpShowsSixInformationBoxes) {
  const QStringList expected = {"Add files within a directory", "Limit searches to certain extentions",
                                "Capacity of the medium", "Check for backed up files", "Batch search",
                                "Scan for files"};
  for (const char* line : {"/?", "\\HELP"}) {
    messages.shown.clear();
    run({QString::fromLatin1(line)});
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
    run({QStringLiteral("/limit"), QString::fromLatin1(argument)});
    EXPECT_EQ(control("txtlimit").text, QString::fromLatin1(expected)) << argument;
  }
}

}  // namespace
