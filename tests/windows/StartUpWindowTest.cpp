// Start-up and close of the window against a real settings file in a private configuration
// folder: what a start shows, what a close writes, and what the next start makes of it.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "catalogue/Numbers.h"
#include "platform/IniSettingsStore.h"
#include "platform/IniText.h"
#include "support/FileBytes.h"
#include "support/OutputFakes.h"
#include "shell/MainFormControls.h"
#include "windows/MainWindow.h"

namespace {

namespace mf = shell::mainform;

using Settings = QSettings::SettingsMap;

// One run of the program over fakes, with the settings store the environment names now.
struct Session : testing_support::TestWindow {
  explicit Session(const QStringList& arguments) {
    window.Form_Load(arguments, &settings);
    view.syncFromState();
    view.show();
  }
  QWidget* widget(catalogue::ControlId id, int index = -1) { return view.control(id, index); }
  // What a control shows: its text, or "1" and "0" for a box or option that is (not) chosen.
  QString shown(catalogue::ControlId name, int index = -1) {
    QWidget* w = widget(name, index);
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    auto* button = qobject_cast<QAbstractButton*>(w);
    return button && button->isCheckable() ? QString::number(int(button->isChecked())) : QStringLiteral("<no text>");
  }

  platform::IniSettingsStore settings;
  windows::MainWindow view{window, nullptr};
};

// PATH (an empty folder: no burner) and the configuration folder are the test's own.
class StartUpWindowTest : public testing::Test {
 protected:
  StartUpWindowTest() { qputenv("PATH", tree.path(QStringLiteral("bin")).toLocal8Bit()); }
  ~StartUpWindowTest() override { for (const auto& [name, value] : saved_) qputenv(name, value); }
  QString ini() const { return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Fillpack/Fillpack.ini"); }
  // A session started with this settings file, in a folder of its own so that no file is
  // served from a cache; without a file, over what the session before wrote.
  std::unique_ptr<Session> start(const std::optional<QByteArray>& file = {}, const QStringList& arguments = {}) {
    if (file || files_ == 0) qputenv("XDG_CONFIG_HOME", tree.path(QString::number(++files_)).toLocal8Bit());
    if (file) { EXPECT_TRUE(testing_support::writeBytes(ini(), *file)); }
    return std::make_unique<Session>(arguments);
  }
  static QByteArray text(const Settings& settings) { return platform::formatIniText(settings); }
  // Closes the window as the user does and gives the file then written.
  Settings close(std::unique_ptr<Session>& run) {
    run->view.close();
    run->window.Form_Unload(&run->settings);
    run.reset();
    return platform::parseIniText(testing_support::readBytes(ini()));
  }
  // Closes the window and checks these entries of the file then written.
  void closeExpecting(std::unique_ptr<Session>& run, const Settings& expected) {
    const Settings saved = close(run);
    for (auto it = expected.begin(); it != expected.end(); ++it)
      EXPECT_EQ(saved.value(it.key()).toString(), it.value().toString()) << it.key().toStdString();
  }
  static int pixels(int twips) { return qRound(twips / 15.0); }  // at 96 dpi

  testing_support::TempTree tree;
  const std::pair<const char*, QByteArray> saved_[2] = {{"PATH", qgetenv("PATH")},
                                                        {"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME")}};
  int files_ = 0;
};

// A first run, or one over a file that cannot be read, shows the defaults. The burner is
// looked up on PATH at each start: no button unless it is found.
TEST_F(StartUpWindowTest, AFirstRunOrAGarbageFileGivesTheDefaultsAndTheBurnerFound) {
  static const char garbage[] = "\xff\xfe\x00\x01[[Main\n\x80=\x81\n[\n=702\nLast Path\n";
  for (const bool second : {false, true}) {
    if (second) tree.file(QStringLiteral("bin/brasero"));
    ASSERT_TRUE(!second || QFile::setPermissions(tree.path(QStringLiteral("bin/brasero")), QFile::ExeOwner));
    auto run = start(second ? std::optional(QByteArray(garbage, sizeof garbage - 1)) : std::nullopt);
    ASSERT_EQ(run->view.logicalDpiX(), 96);
    for (const auto& [name, index, text] :
         {std::tuple{mf::txtpattern, -1, "*.*"}, {mf::optmain, 0, "1"}, {mf::optmain, 1, "0"}, {mf::txtlimit, -1, "702"},
          {mf::cbospeed, -1, "1x"}, {mf::chkNoCD, -1, "1"}, {mf::chkrecurse, -1, "1"}})
      EXPECT_EQ(run->shown(name, index), QString::fromLatin1(text)) << name.name << index;
    EXPECT_EQ(run->widget(mf::PicSep)->y(), pixels(4160));
    EXPECT_EQ(QRect(run->view.pos(), run->view.size()), QRect(0, 0, pixels(10440), pixels(8600)));
    EXPECT_EQ(run->widget(mf::cmdburn, 0)->isHidden(), !second);
    EXPECT_EQ(run->widget(mf::cmdburn, 0)->toolTip().contains(QStringLiteral("Brasero")), second);
    EXPECT_TRUE(run->widget(mf::cmdburn, 1)->isHidden());
    EXPECT_TRUE(run->messages.shown.isEmpty());
  }
}

// The size and place written are the normal window's, never the maximised one's. Minimised
// from a maximised start, the window is minimised (1) and will come back maximised.
TEST_F(StartUpWindowTest, AMaximisedCloseSavesTheStateAndTheNormalWindow) {
  auto run = start();
  run->view.move(30, 45);
  run->view.resize(720, 585);
  run->view.showMaximized();
  QCoreApplication::processEvents();  // the screen's answer to the new state
  ASSERT_NE(run->view.size(), QSize(720, 585)) << "the screen is larger than the normal window";
  closeExpecting(run, {{"Main/WindowState", "2"}, {"Main/Width", "10800"}, {"Main/Height", "8775"},
                       {"Main/Left", "450"}, {"Main/Top", "675"}});

  run = start();
  run->view.showMinimized();
  QCoreApplication::processEvents();
  run->view.syncFromState();  // as the clock does
  EXPECT_TRUE(run->view.windowState().testFlag(Qt::WindowMaximized));
  closeExpecting(run, {{"Main/WindowState", "1"}, {"Main/Width", "10440"}});
}

// Empty history entries are dropped, "Items" bounds the reading (a missing item reads "0",
// the surplus stays unread in the file). A speed outside the list stays: typing does nothing.
TEST_F(StartUpWindowTest, TheHistorySpeedAndSplitterAreRestored) {
  auto run = start(text({{"Dir List/Items", "5"}, {"Dir List/Item 1", "/a"}, {"Dir List/Item 2", ""},
                         {"Dir List/Item 3", "/b"}, {"Dir List/Item 5", "/c"}, {"Dir List/Item 6", "/unread"},
                         {"Main/Last Speed", "3x"}, {"Main/Sep", "5000"}}));
  EXPECT_EQ((*run)[mf::txtdir].items, QStringList({"/a", "/b", "0", "/c"}));
  EXPECT_EQ(run->widget(mf::PicSep)->y(), pixels(5000));
  auto* speed = qobject_cast<QComboBox*>(run->widget(mf::cbospeed));
  QTest::keyClicks(speed->lineEdit(), QStringLiteral("12\b"));  // a backspace last
  EXPECT_EQ(speed->currentText(), QStringLiteral("3x"));
  closeExpecting(run, {{"Dir List/Items", "4"}, {"Dir List/Item 2", "/b"}, {"Dir List/Item 6", "/unread"}});
}

// The settings are read before the command line: a value a switch sets stays and is saved,
// the rest come from the settings, and a setting that cannot be read leaves the default. A
// drive index that names no button ends the line, and the window opens as always.
TEST_F(StartUpWindowTest, TheSwitchesOverrideTheStoredSettings) {
  const QString folder = tree.path(QStringLiteral("in"));
  tree.folder(QStringLiteral("in"));
  const struct {
    QStringList arguments;
    const char *key, *stored;
    catalogue::ControlId control;
    QString shown, saved;
    int index = -1;
  } cases[] = {{{}, "Inclusive", "0", mf::optmain, "0", "False", 0},
               {{}, "Inclusive", "maybe", mf::optmain, "1", "True", 0},
               {{"/include", "*.txt"}, "Pattern", "*.mp3", mf::txtpattern, "*.txt", "*.txt"},
               {{"/exclude", "*.txt"}, "Inclusive", "True", mf::optmain, "1", "False", 1},
               {{"/path", folder}, "Last Path", "/elsewhere", mf::txtdir, folder, folder},
               {{"/path", folder}, "Recurse Subs", "1", mf::chkrecurse, "0", "0"},
               {{"/limit", "650"}, "Limit", "2", mf::txtlimit, "650", "-1"},
               {{"/limit", "650"}, "Limit", "abc", mf::txtlimit, "650", "-1"},
               {{}, "Limit", "4", mf::txtlimit, "8147", "4"},
               {{}, "Limit", "5", mf::txtlimit, "23866", "5"},
               {{}, "Limit", "6", mf::txtlimit, "47732", "6"},
               {{"/limit", "1e400"}, "Limit", "2", mf::txtlimit, "657", "2"},
               {{"/scancd", "-1", "/limit", "9"}, "Limit", "2", mf::txtlimit, "657", "2"}};
  for (const auto& c : cases) {
    const QString key = QStringLiteral("Main/") + QString::fromLatin1(c.key);
    auto run = start(text({{key, c.stored}}), c.arguments);
    EXPECT_EQ(run->shown(c.control, c.index), c.shown) << c.stored;
    EXPECT_EQ((*run)[mf::txtlimit].tag, QString::number(run->shown(mf::txtlimit).toLongLong() * catalogue::MB));
    closeExpecting(run, {{key, c.saved}});
  }
}

// The Search menu's options come back checked as they were saved, a stored value other than
// 0 or 1 leaves one unchecked, and a switch checks one for this run and the next.
TEST_F(StartUpWindowTest, TheSearchOptionsAreRestoredAndSaved) {
  const struct {
    const char* stored;
    QStringList arguments;
    bool on;
  } cases[] = {{"1", {}, true},   {"0", {}, false},     {"7", {}, false},
               {"-1", {}, false}, {"yes", {}, false},   {"0", {"/disc", "/together"}, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    const QStringList keys = {"Main/Count On Disc", "Main/Keep Folders Together"};
    auto run = start(text({{keys[0], c.stored}, {keys[1], c.stored}}), c.arguments);
    EXPECT_EQ(std::pair(run->window.run().countAsOnDisc, run->window.run().keepFoldersTogether), std::pair(c.on, c.on));
    for (const catalogue::ControlId entry : {mf::mnudisc, mf::mnutogether})
      EXPECT_EQ(run->view.findChild<QAction*>(QString::fromLatin1(entry.name))->isChecked(), c.on) << entry.name;
    const QString saved = c.on ? "1" : "0";
    closeExpecting(run, {{keys[0], saved}, {keys[1], saved}});
  }
}

// A search from the command line uses the limit the window shows, and an Add the pattern
// it shows, whether a switch or the settings gave them.
TEST_F(StartUpWindowTest, TheWindowShowsTheValuesTheCommandLineUsed) {
  for (const auto& [name, megabytes] : {std::pair{"a.bin", 5}, {"b.bin", 2}, {"c.txt", 1}, {"d.bin", 2}})
    tree.file(QStringLiteral("in/") + name, megabytes * catalogue::MB);
  auto run = start(text({{"Main/Limit", "0"}, {"Main/Pattern", "*.bin"}}),
                   {"/limit", "8", "/path", tree.path(QStringLiteral("in")), "/dumb"});
  EXPECT_EQ(run->shown(mf::txtlimit), QStringLiteral("8"));
  EXPECT_EQ(run->shown(mf::txtpattern), QStringLiteral("*.bin"));
  EXPECT_EQ(run->upper(), QStringList({"a.bin", "b.bin", "d.bin"}));
  EXPECT_EQ(run->lower(), QStringList({tree.path("in/a.bin"), tree.path("in/b.bin")}));
  EXPECT_EQ((*run)[mf::lblpercent].text, QStringLiteral("87.5% CD utilization"));
}

// A saved place where no screen shows the window puts it onto the primary screen in its
// saved size, and that place is what the next close saves; a window partly shown stays.
TEST_F(StartUpWindowTest, AWindowNoScreenWouldShowComesOntoThePrimaryScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const auto& [left, top] :
       {std::pair{"-99999", "-99999"}, {"99999", "99999"}, {"-99999", "450"}, {"450", "99999"}}) {
    auto run = start(text({{"Main/Left", left}, {"Main/Top", top}, {"Main/Width", "10800"}, {"Main/Height", "8775"}}));
    const QRect shown(run->view.pos(), run->view.size());
    EXPECT_TRUE(screen.contains(shown)) << left << ' ' << top;
    EXPECT_EQ(shown.size(), QSize(720, 585));
    const Settings saved = close(run);
    EXPECT_NEAR(saved.value("Main/Left").toDouble() / 15, shown.x(), 1);
    EXPECT_NEAR(saved.value("Main/Top").toDouble() / 15, shown.y(), 1);
  }
  auto run = start(text({{"Main/Left", "-3000"}, {"Main/Top", "450"}}));
  EXPECT_EQ(run->view.pos(), QPoint(-200, 30));
}

}  // namespace
