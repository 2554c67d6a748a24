// The real program run headless on folder trees made here, checked through its state dump.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <climits>

#include "platform/FileNames.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using platform::encodeFileName;
using testing_support::RunResult;
using testing_support::runProgram;
using testing_support::runsAsRoot;
using testing_support::TempTree;

constexpr qint64 MiB = 1048576;
constexpr qint64 GiB = 1024 * MiB;

// The type column: what the MIME database says of the name's extension, read as the C
// locale does; "EXT File" for an extension it does not know, " File" without one. Names
// are looked up by extension alone, so "README" is not a README document here.
QString expectedType(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
  if (extension.isEmpty()) return QStringLiteral(" File");
  const QLocale saved;
  QLocale::setDefault(QLocale::c());
  const QMimeType mime =
      QMimeDatabase().mimeTypeForFile(QStringLiteral("x.") + extension, QMimeDatabase::MatchExtension);
  const QString type = mime.isValid() && !mime.isDefault() ? mime.comment() : QString();
  QLocale::setDefault(saved);
  return type.isEmpty() ? extension.toUpper() + QStringLiteral(" File") : type;
}

QByteArray row(const QString& folder, const QString& name, const char* sizeText, qint64 bytes) {
  return "1\t" + encodeFileName(name) + '\t' + sizeText + '\t' + encodeFileName(expectedType(name)) + '\t' +
         encodeFileName(folder) + '\t' + QByteArray::number(bytes).rightJustified(10, '0');
}

const QByteArray rawName("caf\xe9.txt");  // Latin-1, not valid UTF-8

TEST(HeadlessRun, WalksATrickyTreeAsItIsOnDisk) {
  if (runsAsRoot() && !testing_support::canRunAsNobody()) GTEST_SKIP() << "running as root without setpriv";
  TempTree tree;
  const QString root = tree.root();
  tree.file(QStringLiteral(".hidden.txt"), 7);
  tree.file(QStringLiteral(".hid/inside.txt"), 1023);
  tree.file(QStringLiteral("locked/secret.txt"), 5);
  tree.lock(QStringLiteral("locked"));
  tree.file(QStringLiteral("sub/song.MP3"), MiB);
  tree.symlink(QStringLiteral(".."), QStringLiteral("sub/up"));  // a cycle back to the top
  tree.fifo(QStringLiteral("pipe"));
  tree.file(QStringLiteral("with blank.txt"), 1536);
  tree.file(QStringLiteral("blank folder/a b.txt"));
  tree.rawFile(QString(), rawName);
  tree.file(QStringLiteral("README"));
  tree.file(QStringLiteral("data.qqzz"));  // an extension nobody describes
  tree.file(QStringLiteral("PHOTO.JPG"), MiB - 1536 - 1023);
  tree.file(QStringLiteral("big.iso"), 5 * GiB);
  if (runsAsRoot()) {
    ASSERT_EQ(::chmod(encodeFileName(root).constData(), 0755), 0);
  }

  const RunResult r =
      runProgram({"/recurse", root, "/limit", "650MB", "/bogus"}, {.folder = root, .asNobody = runsAsRoot()});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  const QList<QByteArray> expectedRows = {
      row(root, QStringLiteral("big.iso"), "5.00 GB", 5 * GiB),
      row(root, platform::decodeFileName(rawName), "0 B", 0),
      row(root, QStringLiteral("data.qqzz"), "0 B", 0),
      row(root, QStringLiteral("PHOTO.JPG"), "1021.50 KB", MiB - 1536 - 1023),
      row(root, QStringLiteral("README"), "0 B", 0),
      row(root, QStringLiteral("with blank.txt"), "1.50 KB", 1536),
      row(tree.path(QStringLiteral(".hid")), QStringLiteral("inside.txt"), "1023 B", 1023),
      row(tree.path(QStringLiteral("blank folder")), QStringLiteral("a b.txt"), "0 B", 0),
      row(tree.path(QStringLiteral("sub")), QStringLiteral("song.MP3"), "1024.00 KB", MiB),
  };
  EXPECT_EQ(r.sections.value("[lstmain]"), expectedRows);
  EXPECT_TRUE(r.sections.value("[lstsec]").isEmpty());

  const QList<QByteArray> expectedLabels = {
      "txtdir\t" + encodeFileName(root),
      "txtpattern\t*.*",
      "txtlimit\t650",
      "txttotal\t",
      "lblCountList\tFiles in list 9 of 5122 Megabytes",
      "lblCountList2\t0 Megabytes",
      "lblCountCDTotal\t",
      "lblpercent\t0% CD utilization",
      "lblspeed\t00:00 to burn",
  };
  EXPECT_EQ(r.sections.value("[labels]"), expectedLabels);
  EXPECT_EQ(r.err, "Fillpack: 1 folder could not be read, so its files were not added:\r\n" +
                       encodeFileName(tree.path(QStringLiteral("locked"))) +
                       "\nCommand not recognised: /bogus is not a valid command\r\n\r\n"
                       "Try the /? parameter for assistance\n");

  // The rows above are built with the program's own name encoding; the raw bytes are checked apart.
  EXPECT_EQ(r.sections.value("[lstmain]").value(1).split('\t').value(1), rawName);
}

// The folder has a blank in its name, so it reaches the command line quoted; /path does not
// go into its subfolder.
TEST(HeadlessRun, PatternSwitchesChooseTheFiles) {
  TempTree tree;
  for (const char* f :
       {"a.tmp", "B.TMP", "c.Bak", "d.txt", "README", "e.mp3", "F.WAV", "g.mp4", "h.wav.txt", "deep/i.mp3"})
    tree.file(QStringLiteral("My Music/") + QString::fromLatin1(f));
  const QString folder = tree.path(QStringLiteral("My Music"));
  struct Case {
    const char* option;
    const char* pattern;
    QList<QByteArray> expected;
  };
  const Case cases[] = {
      {"/exclude", "*.tmp;*.bak", {"d.txt", "e.mp3", "F.WAV", "g.mp4", "h.wav.txt", "README"}},
      {"/include", "*.mp3;*.wav", {"e.mp3", "F.WAV"}},
      {"/exclude", "*.*", {"README"}},
  };
  for (const Case& c : cases) {
    const RunResult r = runProgram({c.option, c.pattern, "/PATH", folder}, {.folder = tree.root()});
    ASSERT_EQ(r.exitCode, 0) << c.option << ' ' << c.pattern;
    QList<QByteArray> names;
    for (const QByteArray& line : r.sections.value("[lstmain]")) names.append(line.split('\t').value(1));
    EXPECT_EQ(names, c.expected) << c.option << ' ' << c.pattern;
    const QList<QByteArray> labels = r.sections.value("[labels]");
    EXPECT_TRUE(labels.contains("txtdir\t" + encodeFileName(folder))) << c.pattern;
    EXPECT_TRUE(labels.contains("txtpattern\t" + QByteArray(c.pattern))) << c.pattern;
    EXPECT_TRUE(labels.contains("lblCountList\tFiles in list " + QByteArray::number(c.expected.size()) +
                                " of 0 Megabytes"))
        << c.pattern;
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
  }
}

// The command line's edge cases, as a script would write them.
TEST(HeadlessRun, CommandLineEdgeCases) {
  TempTree tree;
  tree.file("My Music/a.mp3", 60 * MiB);
  tree.file("My Music/b.mp3", 50 * MiB);
  tree.folder("out");
  const QString music = tree.path("My Music");
  const QString tricky = QStringLiteral("x\" /recurse /data /batch 0 out/inj.txt \"y");
  tree.file(tricky + QStringLiteral("/c.mp3"));
  struct Case {
    const char* what;
    QStringList switches;
    QList<QByteArray> labels;  // lines that must be among the labels
    QByteArray err;            // standard error, exactly
    int lowerRows;
  };
  const Case cases[] = {
      {"folder with blanks", {"/path", music}, {"txtdir\t" + encodeFileName(music)}, "", 0},
      {"quoted pattern keeps its quotes", {"/include", "\"*.mp3\"", "/path", music}, {"txtpattern\t\"*.mp3\""}, "", 0},
      {"backslash and capitals", {"\\LIMIT", "98", "/PaTh", music, "\\dumb"}, {"txtlimit\t98", "txttotal\t60"}, "", 1},
      {"limit with its unit", {"/limit", "700MB"}, {"txtlimit\t700"}, "", 0},
      {"limit without a number", {"/limit", "abc"}, {"txtlimit\t0"}, "", 0},
      {"an empty argument is a token", {"/smart", "", "/genius"}, {},
       "Command not recognised:  is not a valid command\r\n\r\nTry the /? parameter for assistance\n", 0},
      {"a bar is part of its argument", {"/smart", "|", "/genius"}, {},
       "Command not recognised: | is not a valid command\r\n\r\nTry the /? parameter for assistance\n", 0},
      {"switches inside a folder name stay in it", {"/recurse", tricky}, {"txtdir\t" + encodeFileName(tricky)}, "", 0},
      {"a bar inside a list name", {"/limit", "100", "/path", music, "/batch", "1", tree.path("out/a|b.txt")}, {},
       "Batch search: 2 lists written, from \"" + encodeFileName(tree.path("out/a|b 001.txt")) + "\" to \"" +
           encodeFileName(tree.path("out/a|b 002.txt")) + "\".\n",
       0},
      {"an empty method is method 0", {"/recurse", music, "/batch", "", "out/empty.txt", "/limit", "9"},
       {"txtlimit\t9"}, "Batch search: 1 list written: \"out/empty 001.txt\".\n", 0},
      {"a method too large for a number", {"/path", music, "/batch", "1e10", "out/x.txt", "/limit", "9"},
       {"txtlimit\t9"},
       "Batch search: The batch search method 1e10 is not known; use 0, 1 or 2. No list was written.\n", 0},
      {"an empty pattern", {"/include", "", "/path", music}, {"txtpattern\t", "txtdir\t" + encodeFileName(music)}, "", 0},
      {"a switch where the list name belongs", {"/path", music, "/batch", "1", "/dumb", "/limit", "9"},
       {"txtlimit\t702", "txttotal\t"}, "", 0},
      {"path as the last token", {"/limit", "5", "/path"}, {"txtlimit\t5", "txtdir\t"}, "", 0},
      {"limit, path, search", {"/limit", "98", "/path", music, "/dumb"}, {"lblCountList2\t1 Files of 60 Megabytes"}, "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RunResult r = runProgram(c.switches, {.folder = tree.root()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, c.err);
    for (const QByteArray& label : c.labels) EXPECT_TRUE(r.sections["[labels]"].contains(label)) << label.toStdString();
    EXPECT_EQ(r.sections["[lstsec]"].size(), c.lowerRows);
  }

  // A quoted list name loses its quotes; method 1 runs the fit search.
  runProgram({"/limit", "100", "/path", music, "/batch", "1", "\"" + tree.path("out/cd.txt") + "\""},
             {.folder = tree.root()});
  // Only the lists asked for were written: nothing hidden in a folder name, nothing named
  // after a switch, nothing at the root.
  EXPECT_EQ(QDir(tree.path("out")).entryList(QDir::Files),
            (QStringList{"a|b 001.txt", "a|b 002.txt", "cd 001.txt", "cd 002.txt", "empty 001.txt"}));
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/limit 001")));
  EXPECT_TRUE(QDir(tree.root()).entryList({"*001*"}, QDir::Files).isEmpty());
}

// Paths past PATH_MAX are listed like any other; the folders that cannot be read are named
// on standard error at the end of the Add, the first five of them.
TEST(HeadlessRun, DeepTreesAreListedWholeAndUnreadableFoldersNamed) {
  if (runsAsRoot() && !testing_support::canRunAsNobody()) GTEST_SKIP() << "running as root without setpriv";
  TempTree tree;
  const QString root = tree.root();
  ASSERT_GT(tree.chain(QStringLiteral("deep"), QStringLiteral("d"), 3000, QStringLiteral("f")).size(), PATH_MAX);
  ASSERT_GT(tree.chain(QStringLiteral("wide"), QString(200, u'w'), 40, QStringLiteral("f")).size(), PATH_MAX);
  QByteArray named;
  for (int i = 1; i <= 6; ++i) {
    const QString locked = QStringLiteral("locked%1").arg(i);
    tree.file(locked + QStringLiteral("/x"));
    tree.lock(locked);
    if (i <= 5) named += "\r\n" + encodeFileName(tree.path(locked));
  }
  if (runsAsRoot()) {
    ASSERT_EQ(::chmod(encodeFileName(root).constData(), 0755), 0);
  }

  const RunResult r = runProgram({"/recurse", root}, {.folder = root, .asNobody = runsAsRoot()});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_EQ(r.sections.value("[lstmain]").size(), 3040);
  EXPECT_EQ(r.err, "Fillpack: 6 folders could not be read, so their files were not added:" + named + "\r\nand 1 more\n");
}

}  // namespace
