// The real program's window with a configuration folder of the test's own, ended by SIGTERM
// as a session ending would: it writes back what it read, a first run writes the defaults, a
// start-up message waiting for OK does not outlive the signal, and files that are not what
// their names promise (a pipe as the settings file, a pipe and a huge file among the language
// packs) neither hold a run up nor get replaced.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include "platform/FileNames.h"
#include "platform/IniText.h"
#include "support/FileBytes.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using Settings = QSettings::SettingsMap;
using testing_support::readBytes;
using testing_support::RunResult;
using testing_support::writeBytes;

// "Section/key=text" lines, for a readable difference.
std::vector<std::string> lines(const Settings& settings) {
  std::vector<std::string> out;
  for (auto it = settings.begin(); it != settings.end(); ++it)
    out.push_back((it.key() + u'=' + it.value().toString()).toStdString());
  return out;
}

// Whether the program's main thread waits for the user: it catches SIGTERM and sleeps in
// the poll of an event loop. Asked again and again, for at most half a minute.
bool waitsForTheUser(qint64 pid) {
  const auto read = [pid](const char* name) { return readBytes(QStringLiteral("/proc/%1/").arg(pid) + QLatin1String(name)); };
  for (const QDeadlineTimer deadline(30000); !deadline.hasExpired(); QThread::msleep(10)) {
    const QRegularExpressionMatch caught = QRegularExpression(QStringLiteral("SigCgt:\\s*([0-9a-f]+)"))
                                               .match(QString::fromLatin1(read("status")));
    if (!caught.hasMatch() || !(caught.captured(1).toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1)))) continue;
    // "0" while it runs. Where the kernel does not tell at all, catching the signal is the
    // last sign there is.
    const QByteArray waitsIn = read("wchan");
    if (waitsIn.isEmpty() || waitsIn.contains("poll")) return true;
  }
  return false;
}

class WindowRun : public ::testing::Test {
 protected:
  QString ini() const { return tree.path("config/Fillpack/Fillpack.ini"); }
  void store(const Settings& settings) { ASSERT_TRUE(writeBytes(ini(), platform::formatIniText(settings))); }
  Settings saved() const { return platform::parseIniText(readBytes(ini())); }
  testing_support::RunSettings settings(bool headless = false) const {
    return {.folder = tree.root(), .headless = headless, .configHome = tree.path("config"),
            .stopSignalsBlocked = !headless, .program = program};
  }
  // The window, sent SIGTERM at once or, with `whenItWaits`, once it waits for the user.
  RunResult stop(const QStringList& switches = {}, bool whenItWaits = false) {
    testing_support::RunSettings s = settings();
    s.stopSignalsBlocked = !whenItWaits;
    testing_support::ProgramRun run(switches, s);
    EXPECT_TRUE(run.started());
    if (whenItWaits) { EXPECT_TRUE(waitsForTheUser(run.processId())); }
    EXPECT_EQ(::kill(pid_t(run.processId()), SIGTERM), 0);
    return run.finish();
  }
  // The program runs from a folder of its own, so that its data folder (the one beside it)
  // can hold odd packs; the settings file is a pipe.
  void amongOddFiles() {
    tree.folder("bin/language");
    program = tree.path("bin/fillpack");
    // A second name of the built program, or a copy where a link cannot be made.
    if (::link(FILLPACK_BINARY, QFile::encodeName(program).constData()) != 0) {
      ASSERT_TRUE(QFile::copy(QStringLiteral(FILLPACK_BINARY), program));
    }
    tree.fifo("bin/language/a pipe.lpk");
    QFile huge(tree.path("bin/language/huge.lpk"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.write("[frmmain]\nCaption=\"Huge\"\n"));
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024));  // sparse: no disk used
    tree.fifo("config/Fillpack/Fillpack.ini");
  }

  testing_support::TempTree tree;
  QString program;
};

TEST_F(WindowRun, TheWindowWritesBackWhatItRead) {
  const Settings stored = {
      {"Main/Last Path", "/data/music, live"}, {"Main/Pattern", "*.mp3;*.flac"}, {"Main/WindowState", "0"},
      {"Main/Width", "12000"},  {"Main/Height", "9000"},   {"Main/Top", "300"},        {"Main/Left", "450"},
      {"Main/Limit", "2"},      {"Main/LangPacks", "-1"},  {"Main/Inclusive", "False"}, {"Main/Last Speed", "8x"},
      {"Main/NoCD", "0"},       {"Main/Recurse Subs", "0"}, {"Main/Sep", "5000"},      {"Dir List/Items", "2"},
      {"Dir List/Item 1", "/a"}, {"Dir List/Item 2", " /b c "}, {"Main/Count On Disc", "1"},
      {"Main/Keep Folders Together", "0"}};
  store(stored);
  const RunResult r = stop();
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_EQ(lines(saved()), lines(stored));
}

TEST_F(WindowRun, AFirstRunWritesTheDefaults) {
  const QString programFolder = QFileInfo(QStringLiteral(FILLPACK_BINARY)).absolutePath();
  // The build tree holds the shipped packs; the default picks the second of them.
  const Settings defaults = {
      {"Main/Last Path", programFolder}, {"Main/Pattern", "*.*"},     {"Main/WindowState", "0"},
      {"Main/Width", "10440"},           {"Main/Height", "8600"},     {"Main/Top", "0"},
      {"Main/Left", "0"},                {"Main/Limit", "1"},         {"Main/LangPacks", "1"},
      {"Main/Inclusive", "True"},        {"Main/Last Speed", "1x"},   {"Main/NoCD", "1"},
      {"Main/Recurse Subs", "1"},        {"Main/Sep", "4160"},        {"Dir List/Items", "0"},
      {"Main/Count On Disc", "0"},       {"Main/Keep Folders Together", "0"}};
  const RunResult r = stop();
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  Settings written = saved();
  // The smallest window: wider than designed where the machine's font needs it for the
  // captions and the pack names in the language box.
  EXPECT_GE(written.value("Main/Width").toInt(), 10440);
  written["Main/Width"] = defaults.value("Main/Width");
  EXPECT_EQ(lines(written), lines(defaults));
}

// An unknown token in the window: "Command not recognised" waits at start-up for OK. SIGTERM
// ends it and the program, which writes back what it read of the settings, if anything.
TEST_F(WindowRun, ASignalEndsTheWindowWhileAStartUpMessageWaits) {
  const Settings stored = {{"Main/Last Speed", "8x"}, {"Main/Limit", "2"}, {"Dir List/Items", "0"}};
  store(stored);
  const RunResult r = stop({"--bogus"}, true);
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  const Settings after = saved();
  for (auto it = stored.begin(); it != stored.end(); ++it)
    EXPECT_EQ(after.value(it.key()).toString(), it.value().toString()) << it.key().toStdString();
  EXPECT_EQ(QDir(tree.path("config/Fillpack")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"Fillpack.ini"}));
}

// Each run ends by itself (the window when told to close) with status 0. The pipe at the
// settings file's name reads as no settings; the save at the close leaves it a pipe and says
// so on standard error.
TEST_F(WindowRun, OddFilesHoldNoRunUpAndThePipeStays) {
  amongOddFiles();
  const RunResult headless = testing_support::runProgram({"/limit", "702"}, settings(true));
  EXPECT_EQ(headless.exitCode, 0) << headless.err.constData();
  EXPECT_EQ(headless.label("txtlimit"), "702");
  const RunResult r = stop();
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_TRUE(r.err.contains("Fillpack: The settings could not be saved to \"" + QFile::encodeName(ini()) +
                             "\": Not a regular file."))
      << r.err.constData();
  struct stat st {};
  EXPECT_TRUE(::lstat(platform::encodeFileName(ini()).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
}

}  // namespace
