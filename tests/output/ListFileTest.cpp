// List files: their bytes, reading them back, the save dialog, and Save and Load in the window.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <tuple>

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

// Load takes each listed file once, sized from the disk; a list that cannot be opened is told.
TEST(ListFile, LoadMeasuresTheListedFilesAndSkipsTheGoneOnes) {
  TestWindow t;
  t.gather({{"a.bin", 1}, {"b.bin", 2}}, false);
  const QString path = t.tree.path("cd.txt");
  write(path, (t.in("b.bin") + "\r\n  " + t.in("b.bin") + "\n" + t.in("a.bin") + "\n" + t.in("gone.bin") + "\r\n")
                      .toUtf8() +
                  rule + "Total Size: 9/9 megabytes (100% CD utilization)\r\n");
  t["chkNoCD"].value = 0;  // sizes come from the disk all the same
  t.window.run().pendingListPath = path;
  t.window.cmdload_Click();
  EXPECT_EQ(t.lower(), QStringList({t.in("b.bin"), t.in("a.bin")}));
  EXPECT_EQ(TestWindow::checks(t.window.catalogue().lstsec()), QList<bool>({true, true}));
  EXPECT_EQ(t["lblCountList2"].text, "2 Files of 3 Megabytes");
  EXPECT_TRUE(t.dialogs.titles.isEmpty() && t.messages.asked.isEmpty());  // the pending path needs no dialog
  EXPECT_EQ(t.window.run().pendingListPath, path);

  t.window.run().pendingListPath = t.tree.path("missing.txt");
  t.window.cmdload_Click();
  EXPECT_EQ(t.lower().size(), 2);
  EXPECT_TRUE(t.messages.shown.size() == 1 && t.messages.shown[0].text.contains("missing.txt"));
  EXPECT_EQ(t["cmdload"].text, "&Load");
  EXPECT_TRUE(t.window.run().pendingListPath.isEmpty());
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
