// The clipboard command read back from the clipboard itself: every lower path, checked or
// not, in each format exactly; then the burner with an empty project, or nothing.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "support/BurnerFakes.h"

namespace {

using testing_support::BurnerWindow;

QString decoded(const QByteArray& bytes) { return platform::decodeFileName(bytes); }

const QMimeData* clipboardData() { return QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard); }

// A blank, a "#", a name in UTF-8 and one that is not valid UTF-8; the second row unchecked.
TEST(ClipboardCommand, PutsEveryLowerPathInEveryFormatByteForByte) {
  BurnerWindow t;
  t.lower({{decoded("/music/a b#1.mp3"), true},
           {decoded("/music/caf\xc3\xa9.ogg"), false},
           {decoded("/music/bad\xff.bin"), true}});
  t.window.cmdClipBoard_Click();
  const QMimeData* data = clipboardData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->formats(), (QStringList{"application/x-fillpack-file-drop", "text/uri-list",
                                          "x-special/gnome-copied-files", "application/x-kde-cutselection",
                                          "text/plain"}));
  static const char block[] = "\x14\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0"
                              "/music/a b#1.mp3\0/music/caf\xc3\xa9.ogg\0/music/bad\xff.bin\0\0";
  EXPECT_EQ(data->data("application/x-fillpack-file-drop"), QByteArray(block, sizeof block - 1));
  EXPECT_EQ(data->data("text/uri-list"),
            "file:///music/a%20b%231.mp3\r\nfile:///music/caf%C3%A9.ogg\r\nfile:///music/bad%FF.bin\r\n");
  EXPECT_EQ(data->data("x-special/gnome-copied-files"),
            "copy\nfile:///music/a%20b%231.mp3\nfile:///music/caf%C3%A9.ogg\nfile:///music/bad%FF.bin");
  EXPECT_EQ(data->data("application/x-kde-cutselection"), "0");
  EXPECT_EQ(data->data("text/plain"), "/music/a b#1.mp3\n/music/caf\xc3\xa9.ogg\n/music/bad\xff.bin");
  // What a receiver that reads URLs makes of them.
  EXPECT_EQ(data->urls().value(0).toLocalFile(), "/music/a b#1.mp3");
  EXPECT_TRUE(t.recorder.started.isEmpty());
  EXPECT_TRUE(t.messages.shown.isEmpty());
}

// While the command is unavailable (before the availability timer has seen a lower row)
// neither the clipboard nor a burner is touched.
TEST(ClipboardCommand, DoesNothingWhileDisabled) {
  BurnerWindow t(QStringLiteral("brasero"));
  t.window.catalogue().lstsec().append(catalogue::FileEntry{QStringLiteral("/music/a.mp3"), {}, {}, {}});
  QGuiApplication::clipboard()->clear();
  t.window.cmdClipBoard_Click();
  EXPECT_TRUE(clipboardData() == nullptr || clipboardData()->formats().isEmpty());
  EXPECT_TRUE(t.recorder.started.isEmpty());
}

// The burner starts with a new, empty data project by its own switch, whatever the medium;
// no burner on PATH: the list is on the clipboard and nothing else happens.
TEST(ClipboardCommand, StartsTheBurnerFoundWithAnEmptyDataProject) {
  const struct {
    const char* burner;
    const char* limit;
    QStringList arguments;
  } cases[] = {
      {"brasero", "702", {"--data"}},
      {"brasero", "4450", {"--data"}},
      {"k3b", "702", {"--data"}},
      {"xfburn", "4450", {"--data-composition"}},
      {"", "702", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.burner) + " " + c.limit);
    BurnerWindow t(QString::fromLatin1(c.burner));
    t.window.setLimitText(QString::fromLatin1(c.limit));
    t.lower({{QStringLiteral("/music/a.mp3"), false}});
    t.window.cmdClipBoard_Click();
    ASSERT_NE(clipboardData(), nullptr);
    EXPECT_EQ(clipboardData()->data("text/plain"), "/music/a.mp3");
    ASSERT_EQ(t.recorder.started.size(), *c.burner ? 1 : 0);
    if (*c.burner) {
      EXPECT_EQ(t.recorder.started[0].program, t.burnerPath);
      EXPECT_EQ(t.recorder.started[0].arguments, c.arguments);
    }
    EXPECT_TRUE(t.messages.shown.isEmpty());
  }
}

}  // namespace
