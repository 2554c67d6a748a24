// The command line: every process argument one token, and the switches applied to the window.
#include <gtest/gtest.h>

#include <QDir>

#include "catalogue/Selection.h"
#include "search/BatchSearch.h"
#include "shell/CommandLine.h"
#include "support/OutputFakes.h"

namespace {

class CommandLineSwitches : public ::testing::Test, protected testing_support::TestWindow {
 protected:
  // A limit box that reads 702, the pattern "*.*" and no message yet.
  void reset() {
    messages.shown.clear();
    (*this)[mainform::txtlimit].text = "702";
    (*this)[mainform::txtpattern].text = "*.*";
  }
  void run(const QStringList& arguments) { shell::processcommandline(arguments, window); }
  QStringList shownTexts() const {
    QStringList texts;
    for (const testing_support::ShownMessage& m : messages.shown) texts.append(m.text);
    return texts;
  }
};

// Each argument is one token; unknown ones (empty, with a blank) are reported, "/limit" takes a leading number.
TEST_F(CommandLineSwitches, UnknownTokensAreReportedAndTheLimitReadsItsLeadingNumber) {
  const struct {
    QStringList arguments;
    QStringList reported;
    const char* limit;
  } cases[] = {
      {{"/Bogus"}, {"/bogus"}, "702"},          {{"\\FOO", "/limit", "5"}, {"\\foo"}, "5"},
      {{"/smart", "", "/genius"}, {""}, "702"}, {{"/smart", "|", "/genius"}, {"|"}, "702"},
      {{"/limit 5"}, {"/limit 5"}, "702"},      {{"x", "/LIMIT", "700MB", "Y"}, {"x", "y"}, "700"},
      {{"/limit", "5", "/path"}, {}, "5"},      {{"/smart", "/INTELLIGENT", "\\genius", "/limit", "abc"}, {}, "0"},
      {{"/limit", "1.5GB"}, {}, "1.5"},         {{"/limit", "1e3"}, {}, "1000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    reset();
    run(c.arguments);
    QStringList expected;
    for (const QString& token : c.reported)
      expected.append(token + " is not a valid command\r\n\r\nTry the /? parameter for assistance");
    EXPECT_EQ(shownTexts(), expected);
    for (const auto& m : messages.shown)
      EXPECT_TRUE(m.title == "Command not recognised" && m.icon == platform::MessageIcon::Critical);
    EXPECT_EQ((*this)[mainform::txtlimit].text, c.limit);
    EXPECT_TRUE(upper().isEmpty());
  }
}

// A missing value, or a switch name as a value, ends the line; a batch method outside 0-2 does not.
TEST_F(CommandLineSwitches, MissingValuesEndTheLineAndUnknownMethodsAreRefused) {
  const QString list = tree.path("out/cd.txt");
  tree.folder("out");
  const struct {
    QStringList arguments;
    const char* limit;
    const char* pattern;
    QString message;
  } cases[] = {
      {{"/batch", "1", "/dumb", "/limit", "9"}, "702", "*.*", {}},
      {{"/batch", "1", "\\DUMB", "/limit", "9"}, "702", "*.*", {}},
      {{"/path", "/recurse", "/limit", "9"}, "702", "*.*", {}},
      {{"/include", "/path", "/limit", "9"}, "702", "*.*", {}},
      {{"/exclude", "/LIMIT", "9"}, "702", "*.*", {}},
      {{"/limit", "/path", "9"}, "702", "*.*", {}},
      {{"/include", "", "/limit", "9"}, "9", "", {}},
      {{"/batch", "", list, "/limit", "9"}, "9", "*.*", "1 list written: \"" + tree.path("out/cd 001.txt") + "\"."},
      {{"/batch", "3", list, "/limit", "9"}, "9", "*.*", search::unknownMethodText("3")},
      {{"/batch", "4294967296", list, "/limit", "9"}, "9", "*.*", search::unknownMethodText("4294967296")},
      {{"/batch", "-1e400", list, "/limit", "9"}, "9", "*.*", search::unknownMethodText("-1e400")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    reset();
    gather({{"a.bin", 1}});
    run(c.arguments);
    EXPECT_EQ((*this)[mainform::txtlimit].text, c.limit);
    EXPECT_EQ((*this)[mainform::txtpattern].text, c.pattern);
    EXPECT_EQ(shownTexts(), c.message.isNull() ? QStringList() : QStringList{c.message});
  }
  // Only the empty method wrote a list, and nothing was ever written at the root.
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files), QStringList{"cd 001.txt"});
  EXPECT_TRUE(QDir(tree.root()).entryList({"*001*"}, QDir::Files).isEmpty());
}

// A drive index that names no button ends the line silently, whatever its sign or size.
TEST_F(CommandLineSwitches, ADriveIndexThatNamesNoButtonEndsTheLine) {
  for (const char* index : {"-1", "-0.6", "-32768", "-40000", "1", "32767", "1e400", "-1e400"}) {
    SCOPED_TRACE(index);
    reset();
    run({"/scancd", index, "/limit", "9"});
    EXPECT_EQ((*this)[mainform::txtlimit].text, "702");
    EXPECT_TRUE(messages.shown.isEmpty());
  }
}

// "/?" and its spelling "\\HELP" each show the seven help boxes in order.
TEST_F(CommandLineSwitches, HelpShowsSevenInformationBoxes) {
  run({"/?", "\\HELP"});
  QStringList titles;
  for (const auto& m : messages.shown) titles.append(m.icon == platform::MessageIcon::Information ? m.title : "");
  const QStringList boxes = {"Add files within a directory", "Limit searches to certain extentions",
                             "Capacity of the medium", "Check for backed up files", "Batch search", "Scan for files",
                             "Count as on disc and keep folders together"};
  EXPECT_EQ(titles, boxes + boxes);
}

// The names of the searches are accepted and do nothing: no message, no part, no list.
TEST_F(CommandLineSwitches, TheSearchNamesStaySilent) {
  reset();
  gather({{"a.bin", 1}, {"b.bin", 2}});
  window.Timer_Timer();
  run({"/smart", "/intelligent", "/genius", "/SMART", "\\genius"});
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(checks(window.catalogue().lstmain()), QList<bool>({true, true}));
  EXPECT_TRUE(lower().isEmpty());
  EXPECT_EQ(window.run().partcount, 0);
  EXPECT_TRUE(QDir(tree.root()).entryList(QDir::Files).isEmpty());
}

// "/disc" and "/together" check their Search menu entries, and the switches after them see
// the options: a search then names the disc size of its part.
TEST_F(CommandLineSwitches, TheOptionSwitchesCheckTheirEntriesForTheSwitchesAfterThem) {
  const struct {
    QStringList arguments;
    bool disc, together;
  } cases[] = {{{"/dumb"}, false, false},
               {{"/disc", "/dumb"}, true, false},
               {{"\\TOGETHER", "/dumb"}, false, true},
               {{"/together", "/DISC", "/dumb"}, true, true}};
  gather({{"a.bin", 1}});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    for (const catalogue::ControlId entry : {mainform::mnudisc, mainform::mnutogether}) (*this)[entry].value = 0;
    window.searchOptionClicked();
    window.mnuselitem_Click(catalogue::SelectAll, {});
    run(c.arguments);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(std::pair(window.run().countAsOnDisc, window.run().keepFoldersTogether), std::pair(c.disc, c.together));
    EXPECT_EQ(std::pair((*this)[mainform::mnudisc].value, (*this)[mainform::mnutogether].value),
              std::pair(int(c.disc), int(c.together)));
    const QString summary = (*this)[mainform::lblCountList2].text;
    EXPECT_EQ(summary.endsWith(" on disc)"), c.disc) << summary.toStdString();
    EXPECT_TRUE(summary.startsWith("1 Files of 1 Megabytes")) << summary.toStdString();
  }
}

}  // namespace
