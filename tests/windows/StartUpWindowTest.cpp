// Start-up and close of the window against a real settings file in a private configuration
// folder: what a first run shows, what a close writes, and what the next start makes of
// it. Each session is one run of the program: Form_Load, the window shown, the close.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "catalogue/Numbers.h"
#include "platform/IniSettingsStore.h"
#include "platform/IniText.h"
#include "support/Fakes.h"
#include "support/TempTree.h"
#include "windows/MainWindow.h"

namespace {

using testing_support::TempTree;
using Settings = QSettings::SettingsMap;

// One run of the program over fakes, with the settings store the environment names now.
class Session {
 public:
  Session(const QString& programFolder, const QStringList& arguments = {})
      : state(shell::Services{messages, picker, pump, registry, nullptr, programFolder}), view(state, nullptr) {
    state.Form_Load(arguments, &settings);
    view.syncFromState();
    view.show();
  }
  // As the user closing the window: the close, then the settings written.
  void close() {
    view.close();
    state.Form_Unload(&settings);
  }
  QWidget* widget(const char* name, int index = -1) { return view.control(QString::fromLatin1(name), index); }
  // What a control shows: its text, or "1" and "0" for a box or option that is (not) chosen.
  QString shown(const char* name, int index = -1) {
    QWidget* w = widget(name, index);
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
      return QString::number(int(button->isChecked()));
    return QStringLiteral("<%1 shows no text>").arg(QString::fromLatin1(name));
  }
  struct Shown {
    const char* name;
    int index;
    QString text;
  };
  void expectShown(std::initializer_list<Shown> expected) {
    for (const Shown& e : expected) EXPECT_EQ(shown(e.name, e.index), e.text) << e.name << e.index;
  }
  catalogue::Control& operator[](const char* name) { return state.form()(QString::fromLatin1(name)); }

  testing_support::RecordingMessages messages;
  testing_support::ScriptedPicker picker;
  testing_support::ScriptedPump pump;
  testing_support::TestValueStore registry;
  platform::IniSettingsStore settings;
  shell::MainForm state;
  windows::MainWindow view;
};

// The configuration folder and PATH are the test's own (PATH an empty folder: no burner)
// and are put back afterwards.
class StartUpWindowTest : public testing::Test {
 protected:
  StartUpWindowTest() : savedConfig_(qgetenv("XDG_CONFIG_HOME")), savedPath_(qgetenv("PATH")) {
    tree.folder(QStringLiteral("bin"));
    tree.folder(QStringLiteral("program"));
    useConfig(QStringLiteral("config"));
    qputenv("PATH", QFile::encodeName(tree.path(QStringLiteral("bin"))));
  }
  ~StartUpWindowTest() override {
    qputenv("XDG_CONFIG_HOME", savedConfig_);
    qputenv("PATH", savedPath_);
  }
  std::unique_ptr<Session> start(const QStringList& arguments = {}) {
    return std::make_unique<Session>(programFolder(), arguments);
  }
  QString programFolder() const { return tree.path(QStringLiteral("program")); }
  // A folder of its own for each file a test writes, so none is served from a cache.
  void useConfig(const QString& name) {
    config_ = tree.path(name);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_));
  }
  QString ini() const { return config_ + QStringLiteral("/Fillpack/Fillpack.ini"); }
  void store(const QByteArray& bytes) {
    QDir().mkpath(config_ + QStringLiteral("/Fillpack"));
    QFile file(ini());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  void store(const Settings& settings) { store(platform::formatIniText(settings)); }
  Settings saved() const {
    QFile file(ini());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return platform::parseIniText(file.readAll());
  }
  QString saved(const char* key) const { return saved().value(QString::fromLatin1(key)).toString(); }
  static int pixels(int twips) { return qRound(twips / 15.0); }  // at 96 dpi

  TempTree tree;

 private:
  QByteArray savedConfig_, savedPath_;
  QString config_;
};

TEST_F(StartUpWindowTest, AFirstRunShowsTheDefaultsAndNoBurnerWithoutOne) {
  auto run = start();
  ASSERT_EQ(run->view.logicalDpiX(), 96);
  run->expectShown({{"txtdir", -1, programFolder()}, {"txtpattern", -1, "*.*"}, {"optmain", 0, "1"},
                    {"optmain", 1, "0"}, {"txtlimit", -1, "702"}, {"cbospeed", -1, "1x"}, {"chkNoCD", -1, "1"},
                    {"chkrecurse", -1, "1"}});
  EXPECT_EQ((*run)["txtlimit"].value, 1);
  auto* speed = qobject_cast<QComboBox*>(run->widget("cbospeed"));
  ASSERT_EQ(speed->count(), 27);
  EXPECT_EQ(speed->itemText(2), QStringLiteral("4x"));
  EXPECT_EQ(speed->itemText(26), QStringLiteral("100x"));
  EXPECT_EQ(run->widget("PicSep")->y(), pixels(4160));
  EXPECT_EQ(run->view.pos(), QPoint(0, 0));
  EXPECT_EQ(run->view.size(), QSize(pixels(10440), pixels(8600)));
  EXPECT_TRUE(run->widget("cmdburn", 0)->isHidden());
  EXPECT_TRUE(run->widget("cmdburn", 1)->isHidden());
  EXPECT_TRUE(run->messages.shown.isEmpty());
}

// Every setting reaches its control, and a close without changes writes back what was read.
TEST_F(StartUpWindowTest, StoredSettingsAreShownAndWrittenBackUnchanged) {
  const Settings stored = {
      {"Main/Last Path", "/media/music"}, {"Main/Pattern", "*.flac;*.ogg"}, {"Main/WindowState", "0"},
      {"Main/Width", "11100"},           {"Main/Height", "8700"},          {"Main/Top", "300"},
      {"Main/Left", "600"},              {"Main/Limit", "3"},              {"Main/LangPacks", "-1"},
      {"Main/Inclusive", "False"},       {"Main/Last Speed", "48x"},       {"Main/NoCD", "0"},
      {"Main/Recurse Subs", "0"},        {"Main/Sep", "5000"},             {"Dir List/Items", "1"},
      {"Dir List/Item 1", "/media/music"}};
  store(stored);
  auto run = start();
  run->expectShown({{"txtdir", -1, "/media/music"}, {"txtpattern", -1, "*.flac;*.ogg"}, {"txtlimit", -1, "98"},
                    {"optmain", 1, "1"}, {"cbospeed", -1, "48x"}, {"chkNoCD", -1, "0"}, {"chkrecurse", -1, "0"}});
  EXPECT_EQ((*run)["txtlimit"].tag, QString::number(98 * catalogue::MB));
  EXPECT_EQ(run->widget("PicSep")->y(), pixels(5000));
  EXPECT_EQ(run->view.pos(), QPoint(pixels(600), pixels(300)));
  EXPECT_EQ(run->view.size(), QSize(pixels(11100), pixels(8700)));
  run->close();
  EXPECT_EQ(saved(), stored);
}

// The burner is looked up on PATH at each start.
TEST_F(StartUpWindowTest, ABurnerOnThePathShowsItsButtonNamedAfterIt) {
  tree.file(QStringLiteral("bin/brasero"));
  ASSERT_TRUE(QFile::setPermissions(tree.path(QStringLiteral("bin/brasero")), QFile::ExeOwner | QFile::ReadOwner));
  auto run = start();
  auto* burn = qobject_cast<QPushButton*>(run->widget("cmdburn", 0));
  EXPECT_FALSE(burn->isHidden());
  EXPECT_TRUE(burn->toolTip().contains(QStringLiteral("Brasero"))) << burn->toolTip().toStdString();
  EXPECT_TRUE(burn->text().isEmpty());
  EXPECT_TRUE(run->widget("cmdburn", 1)->isHidden());
}

// The size and place written are those of the normal window, never the maximised one's;
// a start in the maximised state leaves the normal window as it was designed. Minimised
// from there, the window is minimised (1) and will come back maximised.
TEST_F(StartUpWindowTest, AMaximisedCloseSavesTheStateAndTheNormalWindow) {
  auto first = start();
  first->view.move(30, 45);
  first->view.resize(720, 585);
  first->view.showMaximized();
  QCoreApplication::processEvents();  // the screen's answer to the new state
  ASSERT_NE(first->view.size(), QSize(720, 585)) << "the screen is larger than the normal window";
  first->close();
  const Settings after = saved();
  EXPECT_EQ(after.value(QStringLiteral("Main/WindowState")).toString(), QStringLiteral("2"));
  EXPECT_EQ(after.value(QStringLiteral("Main/Width")).toString(), QStringLiteral("10800"));
  EXPECT_EQ(after.value(QStringLiteral("Main/Height")).toString(), QStringLiteral("8775"));
  EXPECT_EQ(after.value(QStringLiteral("Main/Left")).toString(), QStringLiteral("450"));
  EXPECT_EQ(after.value(QStringLiteral("Main/Top")).toString(), QStringLiteral("675"));
  first.reset();

  auto second = start();
  EXPECT_TRUE(second->view.windowState().testFlag(Qt::WindowMaximized));
  EXPECT_EQ((*second)["frmmain"].value, 2);
  second->view.showMinimized();
  QCoreApplication::processEvents();
  second->view.syncFromState();  // as the clock does
  EXPECT_TRUE(second->view.windowState().testFlag(Qt::WindowMaximized));
  second->close();
  EXPECT_EQ(saved("Main/WindowState"), QStringLiteral("1"));
  EXPECT_EQ(saved("Main/Width"), QStringLiteral("10440"));
}

TEST_F(StartUpWindowTest, AHandTypedLimitIsSavedAsNoEntry) {
  auto first = start();
  QLineEdit* limit = qobject_cast<QComboBox*>(first->widget("txtlimit"))->lineEdit();
  limit->selectAll();
  QTest::keyClicks(limit, QStringLiteral("650"));
  first->close();
  EXPECT_EQ(saved("Main/Limit"), QStringLiteral("-1"));
  first.reset();

  auto second = start();
  EXPECT_EQ((*second)["txtlimit"].value, -1);
  EXPECT_EQ((*second)["txtlimit"].tag, QString::number(second->shown("txtlimit").toLongLong() * catalogue::MB));
}

// Empty entries are dropped at start, and "Items" bounds the reading (a missing item reads
// as "0"). Keys are never deleted: a shorter history leaves the surplus items, unread.
TEST_F(StartUpWindowTest, TheHistoryDropsEmptyEntriesAndAShorterOneLeavesTheRest) {
  store(Settings{{"Dir List/Items", "5"}, {"Dir List/Item 1", "/a"}, {"Dir List/Item 2", ""},
                 {"Dir List/Item 3", "/b"}, {"Dir List/Item 5", "/c"}, {"Dir List/Item 6", "/unread"}});
  auto first = start();
  EXPECT_EQ((*first)["txtdir"].items, QStringList({"/a", "/b", "0", "/c"}));
  EXPECT_EQ(qobject_cast<QComboBox*>(first->widget("txtdir"))->count(), 4);
  first->close();
  EXPECT_EQ(saved("Dir List/Items"), QStringLiteral("4"));
  EXPECT_EQ(saved("Dir List/Item 2"), QStringLiteral("/b"));
  first.reset();

  auto second = start();
  (*second)["txtdir"].items = {QStringLiteral("/z")};
  second->close();
  const Settings after = saved();
  for (const auto& [key, text] : {std::pair{"Items", "1"}, {"Item 1", "/z"}, {"Item 3", "0"}, {"Item 6", "/unread"}})
    EXPECT_EQ(after.value(QStringLiteral("Dir List/") + QString::fromLatin1(key)).toString(), QString::fromLatin1(text))
        << key;
}

TEST_F(StartUpWindowTest, TheSavedChoiceOfInclusiveOrExclusiveIsRestored) {
  const struct {
    const char* stored;
    bool inclusive;
  } cases[] = {{"False", false}, {"false", false}, {"0", false}, {"True", true}, {"-1", true}, {"maybe", true}};
  for (const auto& c : cases) {
    useConfig(QString::fromLatin1(c.stored));
    store(Settings{{QStringLiteral("Main/Inclusive"), QString::fromLatin1(c.stored)}});
    auto run = start();
    run->expectShown({{"optmain", 0, QString::number(int(c.inclusive))}, {"optmain", 1, QString::number(int(!c.inclusive))}});
    run->close();
    EXPECT_EQ(saved("Main/Inclusive"), QString::fromLatin1(c.inclusive ? "True" : "False")) << c.stored;
  }
}

// The speed can only be picked: a restored speed outside the list stays, typing does nothing.
TEST_F(StartUpWindowTest, ARestoredSpeedOutsideTheListStaysShownAndCannotBeTypedOver) {
  store(Settings{{QStringLiteral("Main/Last Speed"), QStringLiteral("3x")}});
  auto run = start();
  auto* speed = qobject_cast<QComboBox*>(run->widget("cbospeed"));
  EXPECT_EQ(speed->currentText(), QStringLiteral("3x"));
  EXPECT_EQ(speed->count(), 27);
  QTest::keyClicks(speed->lineEdit(), QStringLiteral("12"));
  QTest::keyClick(speed->lineEdit(), Qt::Key_Backspace);
  EXPECT_EQ(speed->currentText(), QStringLiteral("3x"));
  EXPECT_EQ((*run)["cbospeed"].text, QStringLiteral("3x"));
}

TEST_F(StartUpWindowTest, AGarbageSettingsFileGivesTheDefaultsAndIsWrittenOver) {
  static const char garbage[] = "\xff\xfe\x00\x01[[Main\n\x80=\x81\n[\n=702\nLast Path\n";
  store(QByteArray(garbage, sizeof garbage - 1));
  auto run = start();
  run->expectShown({{"txtdir", -1, programFolder()}, {"txtpattern", -1, "*.*"}, {"txtlimit", -1, "702"}});
  run->close();
  const Settings after = saved();
  EXPECT_EQ(after.value(QStringLiteral("Main/Last Path")).toString(), programFolder());
  EXPECT_EQ(after.value(QStringLiteral("Main/Limit")).toString(), QStringLiteral("1"));
  EXPECT_EQ(after.value(QStringLiteral("Main/Sep")).toString(), QStringLiteral("4160"));
}

// The command line runs first: a readable setting overrides a switch, one that cannot be
// converted leaves what the switch gave.
TEST_F(StartUpWindowTest, SettingsOverrideTheSwitchesUnlessTheyCannotBeRead) {
  const struct {
    QStringList arguments;
    Settings stored;
    const char* box;
    QString shown;
  } cases[] = {
      {{"/include", "*.txt"}, {{"Main/Pattern", "*.mp3"}}, "txtpattern", QStringLiteral("*.mp3")},
      {{"/limit", "650"}, {{"Main/Limit", "2"}}, "txtlimit", QStringLiteral("657")},
      {{"/limit", "650"}, {{"Main/Limit", "abc"}}, "txtlimit", QStringLiteral("650")},
      {{"/limit", "650"}, {{"Main/Limit", "70000"}}, "txtlimit", QStringLiteral("650")},
  };
  for (const auto& c : cases) {
    useConfig(QString::number(&c - cases));
    store(c.stored);
    auto run = start(c.arguments);
    EXPECT_EQ((*run)[c.box].text, c.shown) << c.arguments.join(u' ').toStdString();
    if (qstrcmp(c.box, "txtlimit") == 0) {
      EXPECT_EQ((*run)["txtlimit"].tag, QString::number(c.shown.toLongLong() * catalogue::MB));
    }
  }
}

}  // namespace
