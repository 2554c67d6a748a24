// List files: their bytes, reading them back, the save dialog, and Save and Load in the window.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <tuple>
#include <vector>

#include "output/ListFile.h"
#include "output/OpenSaveDlg.h"
#include "platform/FileNames.h"
#include "support/OutputFakes.h"

namespace {

using testing_support::TestWindow;

const QByteArray rule = "____________________\r\n";

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Only the line end goes, and only lines that begin with "/" name files.
TEST(ListFile, EntryLinesAreTheLinesAsWrittenThatBeginWithASlash) {
  const std::pair<QByteArray, QStringList> cases[] = {
      {"/a/x.mp3\r\n/a/y.mp3\n", {"/a/x.mp3", "/a/y.mp3"}},
      {"/a/x.mp3", {"/a/x.mp3"}},
      {"/d/song.mp3 \r\n/d/tab\t\n", {"/d/song.mp3 ", "/d/tab\t"}},
      {"  /a/b.mp3\r\n\t/a/c.mp3\n", {}},
      {"/a\r\r\n", {"/a\r"}},
      {"\r\n\n\r\nrel/z.mp3\r\n\\\\server\\s\\f\r\n" + rule + "Total Size: 1/2 megabytes (50% CD utilization)\r\n", {}},
      {"/\r\n/x\n/x\n", {"/", "/x", "/x"}},
      {"/caf\xe9.mp3\n", {platform::decodeFileName("/caf\xe9.mp3")}},
  };
  for (const auto& [file, entries] : cases) EXPECT_EQ(output::entryLines(file), entries) << file.toStdString();
}

// A disk that fills up midway keeps the old list, whoever runs the test; a failed Save says why.
TEST(ListFile, FailedSaveKeepsTheOldFileAndIsReported) {
  TestWindow t;
  t.addLower("/a.mp3");
  write(t.tree.path("cd.txt"), "old");
  struct rlimit unlimited {};
  ::getrlimit(RLIMIT_FSIZE, &unlimited);
  const struct rlimit small = {8, unlimited.rlim_max};
  const auto handler = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const output::SaveOutcome saved = output::savefile(t.tree.path("cd.txt"), t.window.catalogue().lstsec(), "1", "702");
  ::setrlimit(RLIMIT_FSIZE, &unlimited);
  ::signal(SIGXFSZ, handler);
  EXPECT_EQ(saved.failure, QString::fromLocal8Bit(std::strerror(EFBIG)));
  QFile old(t.tree.path("cd.txt"));
  EXPECT_TRUE(old.open(QIODevice::ReadOnly) && old.readAll() == "old");

  t.window.Timer_Timer();  // makes Save available
  t.tree.file("plain");
  t.dialogs.answers = {t.tree.path("plain/cd.txt")};  // its folder is a file
  t.window.cmdsave_Click();
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].icon, platform::MessageIcon::Critical);
  EXPECT_EQ(t.messages.shown[0].text, "The list could not be saved to \"" + t.tree.path("plain/cd.txt") +
                                          "\": " + QString::fromLocal8Bit(std::strerror(ENOTDIR)) +
                                          ". Nothing was changed there.");
}

TEST(ListFile, SaveDialogAddsTheExtensionAndAsksBeforeReplacing) {
  TestWindow t;
  t.tree.file("old.txt");
  const QString old = t.tree.path("old.txt");
  output::OpenSaveDlg dlg(t.dialogs, t.messages);
  dlg.InitSaveDialog("Text File (*.txt)|*.txt", "Save File List", t.tree.root());
  const std::tuple<QString, bool, QString> cases[] = {
      {"/x/lists/cd1", false, "/x/lists/cd1.txt"}, {"/x/my.lists/cd1", false, "/x/my.lists/cd1"}, {"", false, ""},
      {old, false, ""}, {old, true, old}};
  for (const auto& [answer, yes, result] : cases) {
    t.dialogs.answers = {answer};
    t.messages.answers = {yes};
    EXPECT_EQ(dlg.ShowSave("txt"), result) << answer.toStdString();
  }
  ASSERT_EQ(t.messages.asked.size(), 2);
  EXPECT_EQ(t.messages.asked[0].text, "File already exists. Do you wish to over write it?\r\n" + old);
}

// Load takes each listed file once, sized from the disk, and counts the one gone; a list
// that cannot be opened is told.
TEST(ListFile, LoadMeasuresTheListedFilesAndSkipsTheGoneOnes) {
  TestWindow t;
  t.gather({{"a.bin", 1}, {"b.bin", 2}}, false);
  const QString path = t.tree.path("cd.txt");
  write(path, (t.in("b.bin") + "\r\n  " + t.in("b.bin") + "\n" + t.in("a.bin") + "\n" + t.in("gone.bin") + "\r\n")
                      .toUtf8() +
                  rule + "Total Size: 9/9 megabytes (100% CD utilization)\r\n");
  t[mainform::chkNoCD].value = 0;  // sizes come from the disk all the same
  t.window.run().pendingListPath = path;
  t.window.cmdload_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin"), t.in("a.bin")}));
  EXPECT_EQ(TestWindow::checks(t.window.catalogue().lstsec()), QList<bool>({true, true}));
  EXPECT_EQ(t[mainform::lblCountList2].text, "2 Files of 3 Megabytes");
  EXPECT_TRUE(t.dialogs.titles.isEmpty() && t.messages.asked.isEmpty());  // the pending path needs no dialog
  EXPECT_EQ(t.window.run().pendingListPath, path);
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].text, "Only files that are not empty are loaded. Lines left out: 1\r\n"
                                      "Files that are missing or cannot be read: 1");

  t.window.run().pendingListPath = t.tree.path("missing.txt");
  t.window.cmdload_Click();
  EXPECT_EQ(t.lower().size(), 2);
  EXPECT_TRUE(t.messages.shown.size() == 2 && t.messages.shown[1].text.contains("missing.txt"));
  EXPECT_EQ(t[mainform::cmdload].text, "&Load");
  EXPECT_TRUE(t.window.run().pendingListPath.isEmpty());
}

// A file of the kernel's /sys, which claims 4096 bytes whatever it holds; none when /sys
// is not mounted.
QString sysFile() {
  for (const char* path : {"/sys/kernel/uevent_seqnum", "/sys/power/state", "/sys/devices/system/cpu/online"})
    if (QFileInfo(QString::fromLatin1(path)).isFile()) return QString::fromLatin1(path);
  return {};
}

// Only regular files come in (a link to one too); the other lines are counted in one
// message. A FIFO is never opened, so it cannot hold the load up. A list of files that are
// all gone or empty still ends in the empty-list question; one naming a folder does not.
TEST(ListFile, LoadTakesRegularFilesOnlyAndTellsWhatItLeftOut) {
  const QString head = "Only files that are not empty are loaded. Lines left out: ";
  struct Case {
    const char* what;
    QStringList lines;  // names in the tree, or absolute paths
    QStringList loaded;
    QString told;  // "" for no message
    bool asked;
  };
  std::vector<Case> cases = {
      {"mixed",
       {"in/a.bin", "in", "fifo", "dir-link", "file-link", "gone.bin", "empty.bin", "dangling"},
       {"in/a.bin", "file-link"},
       head + "6\r\nFolders: 2\r\nDevices, pipes, sockets and system files: 1\r\n"
              "Files that are missing or cannot be read: 2\r\nEmpty files: 1",
       false},
      {"all burned", {"gone.bin", "empty.bin"}, {}, "", true},
      {"a folder", {"in", "gone.bin"}, {}, head + "2\r\nFolders: 1\r\nFiles that are missing or cannot be read: 1",
       false},
  };
  if (const QString sys = sysFile(); !sys.isEmpty())
    cases.push_back({"/sys", {sys, "in/a.bin"}, {"in/a.bin"}, head + "1\r\nDevices, pipes, sockets and system files: 1",
                     false});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow t;
    t.gather({{"a.bin", 1}}, false);
    t.tree.fifo("fifo");
    t.tree.symlink(t.tree.path("in"), "dir-link");
    t.tree.symlink(t.in("a.bin"), "file-link");
    t.tree.file("empty.bin");
    t.tree.symlink(t.tree.path("nowhere"), "dangling");
    const auto full = [&](QStringList names) {
      for (QString& name : names)
        if (!name.startsWith(u'/')) name = t.tree.path(name);
      return names;
    };
    write(t.tree.path("cd.txt"), (full(c.lines).join("\n") + "\n").toUtf8());
    t.window.run().pendingListPath = t.tree.path("cd.txt");
    t.window.cmdload_Click();
    EXPECT_EQ(t.lower(), full(c.loaded));
    ASSERT_EQ(t.messages.shown.size(), c.told.isEmpty() ? 0 : 1);
    EXPECT_EQ(t.messages.shown.value(0).text, c.told);
    EXPECT_EQ(t.messages.asked.size(), c.asked ? 1 : 0);
  }
}

// Whether a load runs is not read from the button's caption: under the German pack one
// press loads, the button shows the pack's "cancel" while the load runs and its "load"
// after it; a press in between stops the load with the files read so far, and a language
// picked in between gives the button that language's texts. Pumps 1-2 come around a.bin.
TEST(ListFile, OnePressLoadsInAnyLanguage) {
  const QString de = "&Abbrechen", en = "&Cancel";
  const struct {
    int stopAt, englishAt;
    int loaded;
    QStringList captions;  // at each pump, and after a press or pick there
    QString after;
  } cases[] = {
      {0, 0, 3, QStringList(6, de), "&Laden"},
      {3, 0, 1, {de, de, de, "&Laden"}, "&Laden"},
      {0, 2, 3, {de, de, en, en, en, en, en}, "&Load"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stopAt * 10 + c.englishAt);
    TestWindow t(nullptr, QStringLiteral(FILLPACK_SOURCE_DIR));
    shell::MainForm& window = t.window;
    testing_support::TempTree& tree = t.tree;
    window.Form_Load({}, nullptr);
    const auto pick = [&window](const char* pack) {
      window.form()("cboLangPacks").text = QString::fromLatin1(pack);
      window.cboLangPacks_Click();
    };
    pick("Deutsch.lpk");
    ASSERT_EQ(window.form().text("cmdload"), "&Laden");
    for (const char* name : {"a.bin", "b.bin", "c.bin"}) tree.file(name, 1024);
    write(tree.path("cd.txt"), (tree.path("a.bin") + "\n" + tree.path("b.bin") + "\n" + tree.path("c.bin")).toUtf8());
    window.run().pendingListPath = tree.path("cd.txt");
    QStringList captions;
    t.pump.onPump = [&](int call) {
      captions.append(window.form().text("cmdload"));
      if (call == c.stopAt) window.cmdload_Click();
      if (call == c.englishAt) pick("English.lpk");
      if (call == c.stopAt || call == c.englishAt) captions.append(window.form().text("cmdload"));
    };
    window.cmdload_Click();
    EXPECT_EQ(window.catalogue().lstsec().count(), c.loaded);
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(window.form().text("cmdload"), c.after);
    EXPECT_FALSE(window.run().loading);
  }
}

TEST(ListFile, SaveLeavesOutNamesWithLineBreaksNamesThemAndChecksThemAgain) {
  TestWindow t;
  t.gather({{"a.bin", 1}, {"b\nc.bin", 2}, {"d\re.bin", 4}});
  t.window.setLimitText("100");
  t.window.cmdsearch_Click();
  const QString path = t.tree.path("cd.txt");
  t.window.Timer_Timer();  // makes Save available
  t.dialogs.answers = {path};
  t.window.cmdsave_Click();
  EXPECT_EQ(TestWindow::checks(t.window.catalogue().lstmain()), QList<bool>({false, true, true}));
  QFile list(path);
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  EXPECT_EQ(list.readAll(),
            (t.in("a.bin") + "\r\n").toUtf8() + rule + "Total Size: 1/100 megabytes (1% CD utilization)\r\n");
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(t.messages.shown[0].text, "A line break in their names keeps these files out of \"" + path +
                                          "\"; they are checked again in the upper list:\r\n\"" + t.in("b\\nc.bin") +
                                          "\"\r\n\"" + t.in("d\\re.bin") + "\"");
}

}  // namespace
