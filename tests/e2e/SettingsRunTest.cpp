// The window started with the user's settings file and ended by SIGTERM, as a session
// ending would: it writes back what it read, and a first run writes the defaults.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "platform/IniText.h"
#include "support/ProgramRun.h"
#include "support/TempTree.h"

namespace {

using Settings = QSettings::SettingsMap;

// "Section/key=text" lines, for a readable difference.
std::vector<std::string> lines(const Settings& settings) {
  std::vector<std::string> out;
  for (auto it = settings.begin(); it != settings.end(); ++it)
    out.push_back((it.key() + u'=' + it.value().toString()).toStdString());
  return out;
}

// Runs the window with the config folder of `tree`, sends SIGTERM at once and gives the
// settings file that is left.
Settings runAndStop(const testing_support::TempTree& tree) {
  testing_support::ProgramRun run({}, {.folder = tree.root(), .headless = false, .configHome = tree.path("config"),
                                       .stopSignalsBlocked = true});
  EXPECT_TRUE(run.started());
  ::kill(pid_t(run.processId()), SIGTERM);
  const testing_support::RunResult r = run.finish();
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  QFile file(tree.path("config/Fillpack/Fillpack.ini"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return platform::parseIniText(file.readAll());
}

TEST(SettingsRun, TheWindowWritesBackWhatItRead) {
  testing_support::TempTree tree;
  const Settings stored = {
      {"Main/Last Path", "/data/music, live"}, {"Main/Pattern", "*.mp3;*.flac"}, {"Main/WindowState", "0"},
      {"Main/Width", "12000"},  {"Main/Height", "9000"},   {"Main/Top", "300"},        {"Main/Left", "450"},
      {"Main/Limit", "2"},      {"Main/LangPacks", "-1"},  {"Main/Inclusive", "False"}, {"Main/Last Speed", "8x"},
      {"Main/NoCD", "0"},       {"Main/Recurse Subs", "0"}, {"Main/Sep", "5000"},      {"Dir List/Items", "2"},
      {"Dir List/Item 1", "/a"}, {"Dir List/Item 2", " /b c "}};
  tree.folder("config/Fillpack");
  QFile file(tree.path("config/Fillpack/Fillpack.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(platform::formatIniText(stored));
  file.close();

  EXPECT_EQ(lines(runAndStop(tree)), lines(stored));
}

TEST(SettingsRun, AFirstRunWritesTheDefaults) {
  testing_support::TempTree tree;
  const QString programFolder = QFileInfo(QStringLiteral(FILLPACK_BINARY)).absolutePath();
  // The build tree holds the shipped packs; the default picks the second of them.
  const Settings defaults = {
      {"Main/Last Path", programFolder}, {"Main/Pattern", "*.*"},     {"Main/WindowState", "0"},
      {"Main/Width", "10440"},           {"Main/Height", "8600"},     {"Main/Top", "0"},
      {"Main/Left", "0"},                {"Main/Limit", "1"},         {"Main/LangPacks", "1"},
      {"Main/Inclusive", "True"},        {"Main/Last Speed", "1x"},   {"Main/NoCD", "1"},
      {"Main/Recurse Subs", "1"},        {"Main/Sep", "4160"},        {"Dir List/Items", "0"}};
  Settings written = runAndStop(tree);
  // The smallest window: wider than designed where the machine's font needs it for the
  // captions and the pack names in the language box.
  EXPECT_GE(written.value("Main/Width").toInt(), 10440);
  written["Main/Width"] = defaults.value("Main/Width");
  EXPECT_EQ(lines(written), lines(defaults));
}

}  // namespace
