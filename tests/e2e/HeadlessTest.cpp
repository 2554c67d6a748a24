// The real program run headless on folder trees made here, checked through its state dump
// and the lists it writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <climits>

#include "platform/FileNames.h"
#include "support/FileBytes.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using platform::encodeFileName;
using testing_support::RunResult;
using testing_support::runProgram;
using testing_support::runsAsRoot;
using testing_support::TempTree;

constexpr qint64 MiB = 1048576LL;

// How the MIME database describes MP3 files in the C locale the program runs in.
QByteArray mp3Description() {
  const QLocale saved;
  QLocale::setDefault(QLocale::c());
  const QString comment = QMimeDatabase().mimeTypeForName(QStringLiteral("audio/mpeg")).comment();
  QLocale::setDefault(saved);
  return comment.toUtf8();
}

QByteArray row(const QString& folder, const QByteArray& name, const char* size, const QByteArray& type, qint64 bytes) {
  return "1\t" + name + '\t' + size + '\t' + type + '\t' + encodeFileName(folder) + '\t' +
         QByteArray::number(bytes).rightJustified(10, '0');
}

// Hidden files are left out but hidden folders walked, a link back up is no loop, a fifo
// is no file, sizes count past 4 GB, a name keeps its bytes even when they are not UTF-8,
// and the folder that cannot be read is named on standard error.
TEST(HeadlessRun, WalksATrickyTreeAsItIsOnDisk) {
  if (runsAsRoot() && !testing_support::canRunAsNobody()) GTEST_SKIP() << "running as root without setpriv";
  TempTree tree;
  const QString root = tree.root();
  for (const auto& [name, size] : {std::pair{".hidden.txt", 7LL}, {".hid/inside.qqzz", 1023LL}, {"locked/secret", 5LL},
                                    {"sub/song.MP3", MiB}, {"with blank", MiB - 1023}, {"big", 5120 * MiB}})
    tree.file(name, size);
  tree.lock("locked");
  tree.symlink("..", "sub/up");
  tree.fifo("pipe");
  tree.rawFile(QString(), "caf\xe9");
  if (runsAsRoot()) {
    ASSERT_EQ(::chmod(encodeFileName(root).constData(), 0755), 0);
  }

  const RunResult r =
      runProgram({"/recurse", root, "/limit", "650MB", "/bogus"}, {.folder = root, .asNobody = runsAsRoot()});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_EQ(r.sections.value("[lstmain]"),
            QList<QByteArray>({row(root, "big", "5.00 GB", " File", 5120 * MiB),
                               row(root, "caf\xe9", "0 B", " File", 0),
                               row(root, "with blank", "1023.00 KB", " File", MiB - 1023),
                               row(tree.path(".hid"), "inside.qqzz", "1023 B", "QQZZ File", 1023),
                               row(tree.path("sub"), "song.MP3", "1024.00 KB", mp3Description(), MiB)}));
  EXPECT_EQ(r.sections.value("[labels]"),
            QList<QByteArray>({"txtdir\t" + encodeFileName(root), "txtpattern\t*.*", "txtlimit\t650", "txttotal\t",
                               "lblCountList\tFiles in list 5 of 5122 Megabytes", "lblCountList2\t0 Megabytes",
                               "lblCountCDTotal\t", "lblpercent\t0% CD utilization", "lblspeed\t00:00 to burn"}));
  EXPECT_EQ(r.err, "Fillpack: 1 folder could not be read, so its files were not added:\r\n" +
                       encodeFileName(tree.path("locked")) +
                       "\nCommand not recognised: /bogus is not a valid command\r\n\r\n"
                       "Try the /? parameter for assistance\n");
}

// Paths past PATH_MAX are listed like any other, in a tree of many levels and in one of
// long names alike.
TEST(HeadlessRun, DeepTreesAreListedWhole) {
  TempTree tree;
  ASSERT_GT(tree.chain("deep", "d", 3000, "f").size(), PATH_MAX);
  ASSERT_GT(tree.chain("wide", QString(200, u'w'), 40, "f").size(), PATH_MAX);
  const RunResult r = runProgram({"/recurse", tree.root()}, {.folder = tree.root()});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_EQ(r.sections.value("[lstmain]").size(), 3040);
  EXPECT_EQ(r.err, "");
}

// Each argument is one token as the shell handed it over: blanks, quotes, "|", switch names
// and the empty argument stay what they are, and a switch never stands for a missing value.
TEST(HeadlessRun, CommandLineArgumentsAreTakenAsGiven) {
  TempTree tree;
  for (const auto& [name, mb] : {std::pair{"a.mp3", 60}, {"b.mp3", 50}, {"c.WAV", 0}, {"d.tmp", 0}, {"deep/e.mp3", 0}})
    tree.file(QStringLiteral("My Music/") + name, mb * MiB);
  tree.folder("out");
  const QString music = tree.path("My Music");
  const QString tricky = QStringLiteral("x\" /recurse /data /batch 0 out/inj.txt \"y");
  tree.file(tricky + QStringLiteral("/c.mp3"));
  const struct {
    const char* what;
    QStringList switches;
    QList<QByteArray> labels;  // lines that must be among the labels
    QByteArray err;
    int lowerRows;
  } cases[] = {
      {"switch names in any case, with a backslash", {"\\LIMIT", "98", "/PaTh", music, "\\dumb"},
       {"txtlimit\t98", "txttotal\t60"}, "", 3},
      {"patterns", {"/include", "*.mp3;*.wav", "/path", music},
       {"txtpattern\t*.mp3;*.wav", "lblCountList\tFiles in list 3 of 110 Megabytes"}, "", 0},
      {"switches inside a folder name stay in it", {"/recurse", tricky}, {"txtdir\t" + encodeFileName(tricky)}, "", 0},
      {"a bar inside a list name", {"/limit", "100", "/path", music, "/batch", "1", "out/a|b.txt"}, {},
       "Batch search: 2 lists written, from \"out/a|b 001.txt\" to \"out/a|b 002.txt\".\n", 0},
      {"an empty method is method 0", {"/recurse", music, "/batch", "", "out/empty.txt", "/limit", "9"},
       {"txtlimit\t9"}, "Batch search: 1 list written: \"out/empty 001.txt\".\n", 0},
      {"a method too large for a number", {"/path", music, "/batch", "1e10", "out/x.txt", "/limit", "9"},
       {"txtlimit\t9"},
       "Batch search: The batch search method 1e10 is not known; use 0, 1 or 2. No list was written.\n", 0},
      {"a switch where the list name belongs", {"/path", music, "/batch", "1", "/dumb", "/limit", "9"},
       {"txtlimit\t702", "txttotal\t"}, "", 0},
      {"a drive index below 0 ends the line", {"/scancd", "-1", "/limit", "9"}, {"txtlimit\t702"}, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const RunResult r = runProgram(c.switches, {.folder = tree.root()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, c.err);
    for (const QByteArray& label : c.labels) EXPECT_TRUE(r.sections["[labels]"].contains(label)) << label.toStdString();
    EXPECT_EQ(r.sections["[lstsec]"].size(), c.lowerRows);
  }
  // Only the lists asked for were written: nothing hidden in a folder name, nothing named
  // after a switch, nothing at the root.
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files),
            (QStringList{"a|b 001.txt", "a|b 002.txt", "empty 001.txt"}));
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/limit 001")));
  EXPECT_TRUE(QDir(tree.root()).entryList({"*001*"}, QDir::Files).isEmpty());
}

// In a German environment Qt takes the locale from LC_ALL itself, even where the system has
// no German locale installed, so the totals come out with a decimal comma, and the program
// must read them, and its own limit, back as it wrote them.
TEST(HeadlessLocale, NumbersReadBackAsTheProgramWroteThemWithAComma) {
  TempTree tree;
  tree.file("big/a.bin", 702 * 1048576 + 524288);  // 702.5 MB
  tree.file("big/b.bin", 1);
  tree.file("small/a.bin", 2747269);  // 2.62 MB
  const auto run = [&](const QStringList& switches) {
    return runProgram(switches, {.folder = tree.root(), .locale = QStringLiteral("de_DE.UTF-8")});
  };
  const auto batchList = [&](const QStringList& limits) {
    QFile::remove(tree.path("cd 001.txt"));
    EXPECT_EQ(run(limits + QStringList{"/path", tree.path("small"), "/batch", "1", tree.path("cd.txt")}).exitCode, 0);
    return testing_support::readBytes(tree.path("cd 001.txt"));
  };

  // 702.5 MB fit exactly under "/limit 702.5"; one byte more does not. Read as 702, the big
  // file would not fit; read as 4450 (the limit box's fallback), both would.
  RunResult r = run({"/limit", "702.5", "/path", tree.path("big"), "/dumb"});
  EXPECT_EQ(r.err, QByteArray());
  EXPECT_EQ(r.label("txtlimit"), QStringLiteral("702,5"));
  EXPECT_EQ(r.lines("[lstsec]"), QStringList{"1\t" + tree.path("big/a.bin") + "\t0736624640"});

  // 2.62 MB of 3 MB is 87.33%, in the label and in the list's summary line alike.
  EXPECT_EQ(run({"/limit", "3", "/path", tree.path("small"), "/dumb"}).label("lblpercent"),
            QStringLiteral("87,33% CD utilization"));
  EXPECT_TRUE(batchList({"/limit", "3"}).endsWith("\r\nTotal Size: 2,62/3 megabytes (87,33% CD utilization)\r\n"));

  // A limit no byte count can hold (2^63 bytes and more) is refused and the one before
  // stays, so the batch after it still finds room for the file.
  for (const char* size : {"1e400", "8796093022208"}) {
    r = run({"/limit", "10", "/limit", size});
    EXPECT_TRUE(r.err.startsWith("Capacity of the medium: The size " + QByteArray(size) + " is too large")) << size;
    EXPECT_EQ(r.label("txtlimit"), QStringLiteral("10")) << size;
    EXPECT_TRUE(batchList({"/limit", "10", "/limit", size}).startsWith(tree.path("small/a.bin").toUtf8() + "\r\n"))
        << size;
  }
}

}  // namespace
