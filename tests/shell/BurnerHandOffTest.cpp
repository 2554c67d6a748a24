// The clipboard command read back from the clipboard, and the command lines the burner is
// started with by it and by the burn button.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "output/BurnerLaunch.h"
#include "platform/FileNames.h"
#include "support/BurnerFakes.h"
#include "support/TempTree.h"

namespace {

using testing_support::BurnerWindow;

const QMimeData* clipboard() { return QGuiApplication::clipboard()->mimeData(); }

// Every lower file, the unchecked one too; a blank, a "#", UTF-8 and a byte that is not.
// Rows that name no file (a folder, a FIFO, a file that is gone) are left out and named.
TEST(BurnerHandOff, TheClipboardHoldsEveryLowerFileInEveryFormatByteForByte) {
  BurnerWindow t;
  testing_support::TempTree tree;
  tree.file("music/a b#1.mp3", 1);
  tree.file("music/caf\u00e9.ogg", 1);
  const QString odd = tree.rawFile("music", "bad\xff.bin", 1);
  tree.fifo("music/fifo");
  const QStringList notFiles = {tree.path("music"), tree.path("music/fifo"), tree.path("music/gone.mp3")};
  t.lower({{notFiles[0], true},
           {tree.path("music/a b#1.mp3"), true},
           {notFiles[1], false},
           {tree.path("music/caf\u00e9.ogg"), false},
           {notFiles[2], true},
           {odd, true}});
  t.window.cmdClipBoard_Click();
  ASSERT_NE(clipboard(), nullptr);
  EXPECT_EQ(clipboard()->formats(), (QStringList{"application/x-fillpack-file-drop", "text/uri-list",
                                                 "x-special/gnome-copied-files", "application/x-kde-cutselection",
                                                 "text/plain"}));
  const QByteArray root = platform::encodeFileName(tree.path("music/"));
  const QByteArray names[] = {root + "a b#1.mp3", root + "caf\xc3\xa9.ogg", root + "bad\xff.bin"};
  const QByteArray header("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20);
  EXPECT_EQ(clipboard()->data("application/x-fillpack-file-drop"),
            header + names[0] + '\0' + names[1] + '\0' + names[2] + '\0' + '\0');
  const QByteArray uriRoot = "file://" + root.toPercentEncoding("/");
  const QByteArray uris[] = {uriRoot + "a%20b%231.mp3", uriRoot + "caf%C3%A9.ogg", uriRoot + "bad%FF.bin"};
  EXPECT_EQ(clipboard()->data("text/uri-list"), uris[0] + "\r\n" + uris[1] + "\r\n" + uris[2] + "\r\n");
  EXPECT_EQ(clipboard()->data("x-special/gnome-copied-files"), "copy\n" + uris[0] + '\n' + uris[1] + '\n' + uris[2]);
  EXPECT_EQ(clipboard()->data("application/x-kde-cutselection"), "0");
  EXPECT_EQ(clipboard()->data("text/plain"), names[0] + '\n' + names[1] + '\n' + names[2]);
  EXPECT_TRUE(t.recorder.started.isEmpty());  // no burner on PATH
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].text,
            "These entries of the lower list are not files (or are gone) and were left out:\r\n" +
                notFiles.join("\r\n"));
}

TEST(BurnerHandOff, TheClipboardCommandDoesNothingWhileDisabled) {
  BurnerWindow t(QStringLiteral("brasero"));
  t.window.catalogue().lstsec().append(catalogue::FileEntry{QStringLiteral("/music/a.mp3"), {}, {}});
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  t.window.cmdClipBoard_Click();  // no availability tick yet
  EXPECT_EQ(clipboard()->formats(), QStringList{"text/plain"});
  EXPECT_TRUE(t.recorder.started.isEmpty());
}

// Rows a.mp3, b.mp3 (unchecked), a folder and c.mp3. Of several burners on PATH the first
// in the order K3b, Brasero, Xfburn starts, the one named last here. The clipboard command
// opens an empty data project; button 0 one with the checked files ("*"), never the
// folder, or an empty one, and says why, when they do not fit one command line (its bounds
// are checked where it is measured). Other buttons start nothing (null); button 0 warns
// when no burner is found or it cannot be started. The folder left out is told last, when
// the burner started.
TEST(BurnerHandOff, TheBurnerStartsWithItsDataProjectSwitch) {
  const char* noBurner =
      "No Burner installed, I will recommend install a burner program example: ''K3b'', ''Brasero'' or ''Xfburn''";
  const struct {
    const char* burner;  // those on PATH
    int button;          // -1: the clipboard command
    qint64 room;         // -1: the burner cannot be started
    const char* arguments;
    const char* told;  // the start of the message
  } cases[] = {
      {"xfburn brasero", -1, 1 << 20, "--data", nullptr},
      {"xfburn brasero k3b", 0, 1 << 20, "--data *", nullptr},
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
    testing_support::TempTree m;
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) m.file(QString::fromLatin1(name), 1);
    m.folder("folder");
    t.lower({{m.path("a.mp3"), true}, {m.path("b.mp3"), false}, {m.path("folder"), true}, {m.path("c.mp3"), true}});
    c.button < 0 ? t.window.cmdClipBoard_Click() : t.window.cmdburn_Click(c.button);
    QStringList expected{t.burnerPath};
    for (const QString& argument : QString::fromLatin1(c.arguments).split(u' '))
      expected += argument == u'*' ? QStringList{m.path("a.mp3"), m.path("c.mp3")} : QStringList{argument};
    EXPECT_EQ(t.recorder.started, c.arguments ? QList<QStringList>{expected} : QList<QStringList>{});
    QStringList told;
    if (c.told) told.append(QString::fromLatin1(c.told));
    if (c.button < 0 || (c.button == 0 && c.burner[0] && c.room >= 0))
      told.append("These entries of the lower list are not files");
    ASSERT_EQ(t.messages.shown.size(), told.size());
    for (int i = 0; i < told.size(); ++i) EXPECT_TRUE(t.messages.shown[i].text.startsWith(told[i])) << i;
  }
}

// A CD below 704 MB, a DVD from 704 MB on; a limit that is no number counts as a CD.
TEST(BurnerHandOff, TheLimitChoosesTheMedium) {
  using output::DiscMedium;
  const std::pair<double, DiscMedium> cases[] = {
      {702, DiscMedium::Cd}, {703.99, DiscMedium::Cd}, {704, DiscMedium::Dvd}, {4450, DiscMedium::Dvd}, {0, DiscMedium::Cd}};
  for (const auto& [limit, medium] : cases) EXPECT_EQ(output::limitMedium(limit), medium) << limit;
}

}  // namespace
