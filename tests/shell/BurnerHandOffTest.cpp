// The clipboard command read back from the clipboard, and the command lines the burner is
// started with by it and by the burn button.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "output/BurnerLaunch.h"
#include "support/BurnerFakes.h"

namespace {

using testing_support::BurnerWindow;

const QMimeData* clipboard() { return QGuiApplication::clipboard()->mimeData(); }

// Every lower row, the unchecked one too; a blank, a "#", UTF-8 and a byte that is not.
TEST(BurnerHandOff, TheClipboardHoldsEveryLowerPathInEveryFormatByteForByte) {
  BurnerWindow t;
  t.lower({{"/music/a b#1.mp3", true},
           {"/music/caf\u00e9.ogg", false},
           {platform::decodeFileName(QByteArray("/music/bad\xff.bin")), true}});
  t.window.cmdClipBoard_Click();
  ASSERT_NE(clipboard(), nullptr);
  EXPECT_EQ(clipboard()->formats(), (QStringList{"application/x-fillpack-file-drop", "text/uri-list",
                                                 "x-special/gnome-copied-files", "application/x-kde-cutselection",
                                                 "text/plain"}));
  static const char block[] = "\x14\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0"
                              "/music/a b#1.mp3\0/music/caf\xc3\xa9.ogg\0/music/bad\xff.bin\0\0";
  EXPECT_EQ(clipboard()->data("application/x-fillpack-file-drop"), QByteArray(block, sizeof block - 1));
  const QByteArray uris[] = {"file:///music/a%20b%231.mp3", "file:///music/caf%C3%A9.ogg", "file:///music/bad%FF.bin"};
  EXPECT_EQ(clipboard()->data("text/uri-list"), uris[0] + "\r\n" + uris[1] + "\r\n" + uris[2] + "\r\n");
  EXPECT_EQ(clipboard()->data("x-special/gnome-copied-files"), "copy\n" + uris[0] + '\n' + uris[1] + '\n' + uris[2]);
  EXPECT_EQ(clipboard()->data("application/x-kde-cutselection"), "0");
  EXPECT_EQ(clipboard()->data("text/plain"), "/music/a b#1.mp3\n/music/caf\xc3\xa9.ogg\n/music/bad\xff.bin");
  EXPECT_TRUE(t.recorder.started.isEmpty() && t.messages.shown.isEmpty());  // no burner on PATH
}

TEST(BurnerHandOff, TheClipboardCommandDoesNothingWhileDisabled) {
  BurnerWindow t(QStringLiteral("brasero"));
  t.window.catalogue().lstsec().append(catalogue::FileEntry{QStringLiteral("/music/a.mp3"), {}, {}, {}});
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  t.window.cmdClipBoard_Click();  // no availability tick yet
  EXPECT_EQ(clipboard()->formats(), QStringList{"text/plain"});
  EXPECT_TRUE(t.recorder.started.isEmpty());
}

// Rows a.mp3, b.mp3 (unchecked) and c.mp3. The clipboard command opens an empty data
// project; button 0 one with the checked files ("*"), or an empty one, and says why, when
// they do not fit one command line (its bounds are checked where it is measured). Other buttons start nothing (null); button 0 warns when
// no burner is found or it cannot be started.
TEST(BurnerHandOff, TheBurnerStartsWithItsDataProjectSwitch) {
  const char* noBurner =
      "No Burner installed, I will recommend install a burner program example: ''K3b'', ''Brasero'' or ''Xfburn''";
  const struct {
    const char* burner;
    int button;         // -1: the clipboard command
    qint64 room;        // -1: the burner cannot be started
    const char* arguments;
    const char* told;  // the start of the message
  } cases[] = {
      {"brasero", -1, 1 << 20, "--data", nullptr},
      {"k3b", 0, 1 << 20, "--data *", nullptr},
      {"xfburn", 0, 1 << 20, "--data-composition *", nullptr},
      {"xfburn", -1, 1 << 20, "--data-composition", nullptr},
      {"brasero", 0, 70, "--data", "The 2 checked files are too many"},
      {"brasero", 1, 1 << 20, nullptr, nullptr},
      {"", -1, 1 << 20, nullptr, nullptr},
      {"", 0, 1 << 20, nullptr, noBurner},
      {"k3b", 0, -1, "--data", noBurner},  // the warning only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.burner) + " " + std::to_string(c.button) + " " + std::to_string(c.room));
    BurnerWindow t(QString::fromLatin1(c.burner));
    t.recorder.room = c.room;
    t.recorder.refuses = c.room < 0;
    t.lower({{"/m/a.mp3", true}, {"/m/b.mp3", false}, {"/m/c.mp3", true}});
    c.button < 0 ? t.window.cmdClipBoard_Click() : t.window.cmdburn_Click(c.button);
    QStringList expected{t.burnerPath};
    for (const QString& argument : QString::fromLatin1(c.arguments).split(u' '))
      expected += argument == u'*' ? QStringList{"/m/a.mp3", "/m/c.mp3"} : QStringList{argument};
    EXPECT_EQ(t.recorder.started, c.arguments ? QList<QStringList>{expected} : QList<QStringList>{});
    ASSERT_EQ(t.messages.shown.size(), c.told ? 1 : 0);
    EXPECT_TRUE(!c.told || t.messages.shown[0].text.startsWith(QString::fromLatin1(c.told)));
  }
}

// A CD below 704 MB, a DVD from 704 MB on; a limit that is no number counts as a CD.
TEST(BurnerHandOff, TheLimitChoosesTheMedium) {
  using output::DiscMedium;
  const std::pair<const char*, DiscMedium> cases[] = {{"702", DiscMedium::Cd},   {"703.99", DiscMedium::Cd},
                                                      {"704", DiscMedium::Dvd},  {"4450", DiscMedium::Dvd},
                                                      {"big", DiscMedium::Cd}};
  for (const auto& [limit, medium] : cases) EXPECT_EQ(output::limitMedium(QString::fromLatin1(limit)), medium) << limit;
}

}  // namespace
