// The window driven as a user would, offscreen: Add, Remove, Browse, a folder drop, Stop,
// and the check boxes of the list, each checked against what the widgets show.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "catalogue/Numbers.h"
#include "windows/WindowFixture.h"

namespace {

class MainWindowTest : public testing_support::WindowFixture {
 protected:
  MainWindowTest() : WindowFixture(themeIcons()) {
    tree.file(QStringLiteral("music/a.mp3"), 3000);
    for (const char* f : {"music/b.txt", "music/deep/c.ogg", "music/deep/d.ogg", "photos/e.jpg", "loose.txt"})
      tree.file(QString::fromLatin1(f), 10);
  }
  void typeFolder(const QString& folder) { widget<QComboBox>("txtdir")->lineEdit()->setText(folder); }
  void click(const char* name) { widget<QPushButton>(name)->click(); }
  void add(const QString& folder, bool recurse) {
    typeFolder(folder);
    widget<QCheckBox>("chkrecurse")->setChecked(recurse);
    click("cmdadd");
  }
  QStringList upperNames() { return column("lstmain"); }
  // Enters an editable box, types over what it shows and leaves it, as a user would. The
  // focus changes are sent by hand: an offscreen window is never active.
  void typeInto(const char* box, const QString& text) {
    QLineEdit* edit = widget<QComboBox>(box)->lineEdit();
    QFocusEvent enter(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &enter);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &leave);
  }
};

TEST_F(MainWindowTest, AddShowsTheFolderInTheListWithIconsAndSummary) {
  add(tree.path(QStringLiteral("music")), true);
  ASSERT_EQ(upperNames(), QStringList({"a.mp3", "b.txt", "c.ogg", "d.ogg"}));
  EXPECT_EQ(column("lstmain", 1)[0], QStringLiteral("2.93 KB"));
  EXPECT_EQ(column("lstmain", 4)[0], QStringLiteral("0000003000"));
  EXPECT_EQ(column("lstmain", 3)[2], tree.path(QStringLiteral("music/deep")));
  EXPECT_EQ(widget<QLabel>("lblCountList")->text(), QStringLiteral("Files in list 4 of 0 Megabytes"));
  // Every row has an icon, and rows of one type share it.
  const catalogue::FileList& rows = window.catalogue().lstmain();
  for (int row = 0; row < 4; ++row) EXPECT_GT(rows.at(row).icon, 0);
  EXPECT_EQ(rows.at(2).icon, rows.at(3).icon);
  EXPECT_NE(rows.at(0).icon, rows.at(1).icon);
  EXPECT_EQ(widget<QComboBox>("txtdir")->count(), 1) << "the folder is in the history";
}

TEST_F(MainWindowTest, RemoveTakesTheFolderOutAndEmptiesTheBox) {
  add(tree.root(), true);
  ASSERT_EQ(upperNames().size(), 6);
  typeFolder(tree.path(QStringLiteral("music")));
  click("cmddel");
  EXPECT_EQ(upperNames(), QStringList({"loose.txt", "e.jpg"}));
  EXPECT_EQ(widget<QComboBox>("txtdir")->currentText(), QString());
}

TEST_F(MainWindowTest, BrowsePutsThePickedFolderIntoTheBox) {
  const auto box = [this] { return widget<QComboBox>("txtdir")->currentText(); };
  picker.answer = tree.path(QStringLiteral("photos"));
  click("cmddir");
  EXPECT_EQ(picker.prompts, QStringList{QStringLiteral("Select an Image Folder")});
  EXPECT_EQ(picker.starts, QStringList{QStringLiteral("/")}) << "an empty box starts at the root";
  EXPECT_EQ(box(), tree.path(QStringLiteral("photos/")));
  picker.answer = QStringLiteral("/");
  click("cmddir");
  EXPECT_EQ(picker.starts.last(), tree.path(QStringLiteral("photos/")));
  EXPECT_EQ(box(), QStringLiteral("/"));
  typeFolder(QStringLiteral("/home"));
  picker.answer.clear();  // cancelled
  click("cmddir");
  EXPECT_EQ(picker.starts.last(), QStringLiteral("/home"));
  EXPECT_EQ(box(), QStringLiteral("/home"));
}

// Each dropped folder's own files are added to the list, not its subfolders' even with the
// box ticked; dropped files are ignored.
TEST_F(MainWindowTest, FoldersDroppedOnTheFolderBoxAreAddedAndFilesIgnored) {
  add(tree.path(QStringLiteral("photos")), true);
  ASSERT_EQ(upperNames().size(), 1);
  drop(widget<QComboBox>("txtdir")->lineEdit(),
       {tree.path(QStringLiteral("music")), tree.path(QStringLiteral("loose.txt"))});
  EXPECT_EQ(upperNames(), QStringList({"e.jpg", "a.mp3", "b.txt"}));
  EXPECT_EQ(widget<QLabel>("lblCountList")->text(), QStringLiteral("Files in list 3 of 0 Megabytes"));
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWindowTest, StopDuringAWalkEndsItAndClosesTheProgressFrame) {
  for (int i = 0; i < 30; ++i) tree.file(QStringLiteral("many/f%1/x.txt").arg(i, 2, 10, QLatin1Char('0')), 1);
  bool frameShownDuringWalk = false;
  pump.onPump = [&](int call) {
    if (call != 40) return;  // past the listing of the top folder, inside the walk
    view.syncFromState();
    frameShownDuringWalk = !widget<QGroupBox>("framain")->isHidden() &&
                           widget<QLabel>("lblcurrent")->text() == QStringLiteral("Adding directories");
    click("cmdstop");
  };
  add(tree.path(QStringLiteral("many")), true);
  EXPECT_TRUE(frameShownDuringWalk);
  EXPECT_TRUE(window.run().stopflag);
  EXPECT_LT(upperNames().size(), 30);
  EXPECT_TRUE(widget<QGroupBox>("framain")->isHidden());
  EXPECT_EQ(widget<QLabel>("lblcurrent")->text(), QStringLiteral("Current level of CD utilization"));
}

TEST_F(MainWindowTest, CheckBoxesOfTheListWriteTheRows) {
  add(tree.path(QStringLiteral("music")), false);
  QAbstractItemModel* model = table("lstmain")->model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->data(model->index(1, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
  ASSERT_TRUE(model->setData(model->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
  const catalogue::FileList& rows = window.catalogue().lstmain();
  EXPECT_EQ(checks(rows), (QList<bool>{true, false}));
  EXPECT_TRUE(rows.haschecked());
  ASSERT_TRUE(model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_FALSE(rows.haschecked());
}

TEST_F(MainWindowTest, PatternAndModeTypedInTheWindowReachTheState) {
  widget<QLineEdit>("txtpattern")->setText(QStringLiteral("*.txt"));
  widget<QWidget>("optmain", 1)->setProperty("checked", true);
  add(tree.path(QStringLiteral("music")), false);
  EXPECT_EQ(upperNames(), QStringList({"a.mp3"}));
}

// The boxes keep their histories, but what the user typed is what the commands get: a
// folder that begins a remembered one, and a limit that begins a listed one, stay as typed.
TEST_F(MainWindowTest, TypedFolderAndLimitAreNotCompletedFromTheLists) {
  add(tree.path(QStringLiteral("music/deep/")), false);
  ASSERT_EQ(widget<QComboBox>("txtdir")->findText(tree.path(QStringLiteral("music/deep/"))), 0);
  typeInto("txtdir", tree.path(QStringLiteral("music")));
  EXPECT_EQ(widget<QComboBox>("txtdir")->currentText(), tree.path(QStringLiteral("music")));
  click("cmdadd");
  EXPECT_EQ(upperNames(), QStringList({"a.mp3", "b.txt"}));

  typeInto("txtdir", tree.path(QStringLiteral("music")));
  click("cmddel");
  EXPECT_TRUE(upperNames().isEmpty()) << "Remove takes the folder typed";

  ASSERT_GE(widget<QComboBox>("txtlimit")->findText(QStringLiteral("657")), 0);
  typeInto("txtlimit", QStringLiteral("65"));
  EXPECT_EQ(widget<QComboBox>("txtlimit")->currentText(), QStringLiteral("65"));
  EXPECT_EQ(window.form().text(QStringLiteral("txtlimit")), QStringLiteral("65"));
  EXPECT_EQ((*this)["txtlimit"].tag, QString::number(65 * catalogue::MB));
}

}  // namespace
