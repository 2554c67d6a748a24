// List files: their bytes, reading them back, the save dialog, and the Save and Load commands.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <tuple>
#include <vector>

#include "output/ListFile.h"
#include "output/LoadList.h"
#include "output/OpenSaveDlg.h"
#include "output/SaveList.h"
#include "platform/FileNames.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/OutputServices.h"

namespace {

using testing_support::OutputBench;
using testing_support::readBytes;
using testing_support::writeBytes;

const QByteArray rule = "____________________\r\n";

// The bench with the list dialogs; what Load shows recorded: "open <path>", "loading"/"idle", "<bytes>".
struct Lists : OutputBench, output::LoadView {
  void opened(const QString& path) override { shown.append("open " + path); }
  void runChanged() override { shown.append(run.loading && !run.stopflag ? "loading" : "idle"); }
  void measured(qint64 bytes) override { shown.append(QString::number(bytes)); }
  void press(const QString& list = {}) {
    if (!list.isEmpty()) run.pendingListPath = list;
    output::cmdload_Click(context, {dlg, messages, trash}, *this);
  }
  output::OpenSaveDlg dlg{dialogs, messages};
  QStringList shown;
};

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
  Lists t;
  t.addLower("/a.mp3");
  ASSERT_TRUE(writeBytes(t.tree.path("cd.txt"), "old"));
  {
    const testing_support::FileSizeLimit disk(8);
    EXPECT_EQ(output::savefile(t.tree.path("cd.txt"), t.lists.lstsec(), {"702", 702}).failure,
              QString::fromLocal8Bit(std::strerror(EFBIG)));
  }
  EXPECT_EQ(readBytes(t.tree.path("cd.txt")), "old");

  t.tree.file("plain");
  t.dialogs.answers = {t.tree.path("plain/cd.txt")};  // its folder is a file
  output::cmdsave_Click(t.lists, {"702", 702}, t.dlg, t.messages);
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].icon, platform::MessageIcon::Critical);
  EXPECT_EQ(t.messages.shown[0].text, "The list could not be saved to \"" + t.tree.path("plain/cd.txt") +
                                          "\": " + QString::fromLocal8Bit(std::strerror(ENOTDIR)) +
                                          ". Nothing was changed there.");
}

TEST(ListFile, SaveDialogAddsTheExtensionAndAsksBeforeReplacing) {
  Lists t;
  t.tree.file("old.txt");
  const QString old = t.tree.path("old.txt");
  t.dlg.InitSaveDialog("Text File (*.txt)|*.txt", "Save File List", t.tree.root());
  const std::tuple<QString, bool, QString> cases[] = {
      {"/x/lists/cd1", false, "/x/lists/cd1.txt"}, {"/x/my.lists/cd1", false, "/x/my.lists/cd1"}, {"", false, ""},
      {old, false, ""}, {old, true, old}};
  for (const auto& [answer, yes, result] : cases) {
    t.dialogs.answers = {answer};
    t.messages.answers = {yes};
    EXPECT_EQ(t.dlg.ShowSave("txt"), result) << answer.toStdString();
  }
  ASSERT_EQ(t.messages.asked.size(), 2);
  EXPECT_EQ(t.messages.asked[0].text, "File already exists. Do you wish to over write it?\r\n" + old);
}

// Load takes each listed file once, sized from the disk, and counts the one gone; a list
// that cannot be opened is told.
TEST(ListFile, LoadMeasuresTheListedFilesAndSkipsTheGoneOnes) {
  Lists t;
  const QString a = t.file("in/a.bin", 1), b = t.file("in/b.bin", 2), path = t.tree.path("cd.txt");
  ASSERT_TRUE(writeBytes(path, (b + "\r\n  " + b + "\n" + a + "\n" + t.tree.path("in/gone.bin") + "\r\n").toUtf8() +
                                   rule + "Total Size: 9/9 megabytes (100% CD utilization)\r\n"));
  t.press(path);
  EXPECT_EQ(t.lower(), QStringList({b, a}));
  EXPECT_EQ(testing_support::fields(t.lists.lstsec(), &catalogue::FileEntry::checked), QList<bool>({true, true}));
  EXPECT_EQ(t.lists.takeLowerTotalsRequest(), 3 * 1048576);  // "2 Files of 3 Megabytes"
  EXPECT_EQ(t.shown, QStringList({"loading", "open " + path, "3145728", "idle"}));
  EXPECT_TRUE(t.dialogs.titles.isEmpty() && t.messages.asked.isEmpty());  // the pending path needs no dialog
  EXPECT_EQ(t.run.pendingListPath, path);
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].text, "Only files that are not empty are loaded. Lines left out: 1\r\n"
                                      "Files that are missing or cannot be read: 1");

  t.shown.clear();
  t.press(t.tree.path("missing.txt"));
  EXPECT_EQ(t.lower().size(), 2);
  EXPECT_TRUE(t.messages.shown.size() == 2 && t.messages.shown[1].text.contains("missing.txt"));
  EXPECT_TRUE(t.shown.isEmpty() && !t.run.loading);  // Load still offers to load
  EXPECT_TRUE(t.run.pendingListPath.isEmpty());
}

// A press while a load runs stops it with the rows read so far and offers Load again; a
// press while none runs loads. Pumps 1-2 come around a.bin.
TEST(ListFile, APressWhileALoadRunsStopsIt) {
  Lists t;
  const QString a = t.file("a.bin", 1), b = t.file("b.bin", 1);
  ASSERT_TRUE(writeBytes(t.tree.path("cd.txt"), (a + "\n" + b).toUtf8()));
  t.pump.onPump = [&t](int call) {
    if (call == 3) t.press();
  };
  t.press(t.tree.path("cd.txt"));
  EXPECT_EQ(t.lower(), QStringList{a});
  EXPECT_EQ(t.shown, QStringList({"loading", "open " + t.tree.path("cd.txt"), "idle", "1048576", "idle"}));
  EXPECT_FALSE(t.run.loading);
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
  // The lines name files in the tree or absolute paths; an empty `told` is no message.
  struct Case { const char* what; QStringList lines, loaded; QString told; bool asked; };
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
    Lists t;
    t.file("in/a.bin", 1);
    t.tree.fifo("fifo");
    t.tree.symlink(t.tree.path("in"), "dir-link");
    t.tree.symlink(t.tree.path("in/a.bin"), "file-link");
    t.tree.file("empty.bin");
    t.tree.symlink(t.tree.path("nowhere"), "dangling");
    const auto full = [&](QStringList names) {
      for (QString& name : names)
        if (!name.startsWith(u'/')) name = t.tree.path(name);
      return names;
    };
    ASSERT_TRUE(writeBytes(t.tree.path("cd.txt"), (full(c.lines).join("\n") + "\n").toUtf8()));
    t.press(t.tree.path("cd.txt"));
    EXPECT_EQ(t.lower(), full(c.loaded));
    ASSERT_EQ(t.messages.shown.size(), c.told.isEmpty() ? 0 : 1);
    EXPECT_EQ(t.messages.shown.value(0).text, c.told);
    EXPECT_EQ(t.messages.asked.size(), c.asked ? 1 : 0);
  }
}

TEST(ListFile, SaveLeavesOutNamesWithLineBreaksNamesThemAndChecksThemAgain) {
  Lists t;
  for (const auto& [name, mb] : {std::pair{"a.bin", 1}, {"b\nc.bin", 2}, {"d\re.bin", 4}}) {
    t.lists.addfile(t.file(QString("in/") + name, mb));
    t.lists.setUpperChecked(t.lists.lstmain().count() - 1, false);
    t.addLower(t.tree.path(QString("in/") + name), qint64(mb) << 20);
  }
  const QString path = t.tree.path("cd.txt");
  t.dialogs.answers = {path};
  output::cmdsave_Click(t.lists, {"100", 100}, t.dlg, t.messages);
  EXPECT_EQ(testing_support::fields(t.lists.lstmain(), &catalogue::FileEntry::checked), QList<bool>({false, true, true}));
  EXPECT_EQ(readBytes(path),
            (t.tree.path("in/a.bin") + "\r\n").toUtf8() + rule + "Total Size: 1/100 megabytes (1% CD utilization)\r\n");
  ASSERT_EQ(t.messages.shown.size(), 1);
  EXPECT_EQ(t.messages.shown[0].icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(t.messages.shown[0].text,
            "A line break in their names keeps these files out of \"" + path +
                "\"; they are checked again in the upper list:\r\n\"" + t.tree.path("in/b\\nc.bin") + "\"\r\n\"" +
                t.tree.path("in/d\\re.bin") + "\"");
}

}  // namespace
