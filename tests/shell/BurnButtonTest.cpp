// The burn button: the burner with the checked lower files as a new data project, without
// them when they do not fit one command line, and a warning when it cannot be started.
#include <gtest/gtest.h>

#include "output/BurnerLaunch.h"
#include "support/BurnerFakes.h"

namespace {

using testing_support::BurnerWindow;

const QString noBurner = QStringLiteral(
    "No Burner installed, I will recommend install a burner program example: ''K3b'', ''Brasero'' or ''Xfburn''");

TEST(BurnButton, StartsTheBurnerWithTheCheckedFilesAsADataProject) {
  const struct {
    const char* burner;
    QList<bool> checked;
    QStringList arguments;
  } cases[] = {
      {"brasero", {true, false, true}, {"--data", "/m/a.mp3", "/m/c.mp3"}},
      {"k3b", {false, true, false}, {"--data", "/m/b.mp3"}},
      {"xfburn", {true, true, true}, {"--data-composition", "/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}},
      {"brasero", {false, false, false}, {}},  // nothing checked: the burner as it starts by itself
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.burner);
    BurnerWindow t(QString::fromLatin1(c.burner));
    t.lower({{"/m/a.mp3", c.checked[0]}, {"/m/b.mp3", c.checked[1]}, {"/m/c.mp3", c.checked[2]}});
    t.window.cmdburn_Click(0);
    ASSERT_EQ(t.recorder.started.size(), 1);
    EXPECT_EQ(t.recorder.started[0].program, t.burnerPath);
    EXPECT_EQ(t.recorder.started[0].arguments, c.arguments);
    EXPECT_TRUE(t.messages.shown.isEmpty());
  }
}

TEST(BurnButton, OnlyTheFirstButtonStartsAnything) {
  BurnerWindow t(QStringLiteral("brasero"));
  t.lower({{"/m/a.mp3", true}});
  for (int index : {1, 2, -1}) t.window.cmdburn_Click(index);
  EXPECT_TRUE(t.recorder.started.isEmpty());
  EXPECT_TRUE(t.messages.shown.isEmpty());
}

// Files past the command line's room, or one name past the kernel's limit for a single
// argument, leave the project empty and are explained.
TEST(BurnButton, FilesThatDoNotFitOneCommandLineAreLeftOutAndExplained) {
  const QString longest(platform::maxArgumentBytes - 1, u'x');  // with its NUL, just at the limit
  const struct {
    const char* what;
    QStringList files;
    qint64 room;
    bool fit;
  } cases[] = {
      {"within the room", {"/m/a.mp3", "/m/b.mp3"}, 1000, true},
      {"past the room", {"/m/a.mp3", "/m/b.mp3"}, 60, false},
      {"a name at the single-argument limit", {longest}, 1 << 20, true},
      {"a name one byte past it", {longest + u'x'}, 1 << 20, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BurnerWindow t(QStringLiteral("brasero"));
    t.recorder.room = c.room;
    for (const QString& file : c.files) t.lower({{file, true}});
    t.window.cmdburn_Click(0);
    ASSERT_EQ(t.recorder.started.size(), 1);
    EXPECT_EQ(t.recorder.started[0].arguments, c.fit ? QStringList{"--data"} + c.files : QStringList{"--data"});
    ASSERT_EQ(t.messages.shown.size(), c.fit ? 0 : 1);
    if (!c.fit) {
      EXPECT_TRUE(t.messages.shown[0].text.startsWith(
          QStringLiteral("The %1 checked files are too many, or their names too long, to hand to Brasero")
              .arg(c.files.size())));
      EXPECT_EQ(t.messages.shown[0].icon, platform::MessageIcon::Information);
    }
  }
}

TEST(BurnButton, ABurnerThatCannotBeStartedOrIsMissingGivesTheWarning) {
  for (const bool found : {true, false}) {
    SCOPED_TRACE(found);
    BurnerWindow t(found ? QStringLiteral("xfburn") : QString());
    t.recorder.refuses = true;
    t.lower({{"/m/a.mp3", true}});
    t.window.cmdburn_Click(0);
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Fillpack");
    EXPECT_EQ(t.messages.shown[0].text, noBurner);
    EXPECT_EQ(t.messages.shown[0].icon, platform::MessageIcon::Exclamation);
  }
}

// The medium of a new project: a CD below 704 MB, a DVD from 704 MB on; a limit that is
// no number counts as a CD.
TEST(BurnButton, TheLimitChoosesTheMedium) {
  const struct {
    const char* limit;
    output::DiscMedium medium;
  } cases[] = {
      {"702", output::DiscMedium::Cd},    {"703.99", output::DiscMedium::Cd}, {"704", output::DiscMedium::Dvd},
      {"4450", output::DiscMedium::Dvd},  {"98", output::DiscMedium::Cd},     {"big", output::DiscMedium::Cd},
      {"", output::DiscMedium::Cd},
  };
  for (const auto& c : cases) EXPECT_EQ(output::limitMedium(QString::fromLatin1(c.limit)), c.medium) << c.limit;
}

}  // namespace
