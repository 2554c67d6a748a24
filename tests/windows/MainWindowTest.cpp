// The window driven as a user would, offscreen: Add, Remove, Browse, a folder drop, Stop,
// and the check boxes of the list, each checked against what the widgets show.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <gtest/gtest.h>

#include "platform/ThemeIconProvider.h"
#include "shell/MainForm.h"
#include "support/Fakes.h"
#include "support/TempTree.h"
#include "windows/MainWindow.h"

namespace {

using testing_support::TempTree;

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest()
      : state(shell::Services{messages, picker, pump, registry, &icons, QString()}), window(state, &icons) {
    tree.file(QStringLiteral("music/a.mp3"), 3000);
    tree.file(QStringLiteral("music/b.txt"), 10);
    tree.file(QStringLiteral("music/deep/c.ogg"), 20);
    tree.file(QStringLiteral("music/deep/d.ogg"), 20);
    tree.file(QStringLiteral("photos/e.jpg"), 40);
    tree.file(QStringLiteral("loose.txt"), 1);
  }

  template <class W>
  W* widget(const char* name, int index = -1) {
    auto* w = qobject_cast<W*>(window.control(QString::fromLatin1(name), index));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void typeFolder(const QString& folder) { widget<QComboBox>("txtdir")->lineEdit()->setText(folder); }
  void click(const char* name) { widget<QPushButton>(name)->click(); }
  int upperRows() { return widget<QTableView>("lstmain")->model()->rowCount(); }
  QString upperCell(int row, int column) {
    QAbstractItemModel* m = widget<QTableView>("lstmain")->model();
    return m->data(m->index(row, column)).toString();
  }
  void dropOn(QWidget* target, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths) urls.append(QUrl::fromLocalFile(p));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
  }

  TempTree tree;
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPicker picker;
  testing_support::ScriptedPump pump;
  testing_support::TestValueStore registry;
  platform::ThemeIconProvider icons;
  shell::MainForm state;
  windows::MainWindow window;
};

TEST_F(MainWindowTest, AddShowsTheFolderInTheListWithIconsAndSummary) {
  typeFolder(tree.path(QStringLiteral("music")));
  widget<QCheckBox>("chkrecurse")->setChecked(true);
  click("cmdadd");
  ASSERT_EQ(upperRows(), 4);
  EXPECT_EQ(upperCell(0, 0), QStringLiteral("a.mp3"));
  EXPECT_EQ(upperCell(0, 1), QStringLiteral("2.93 KB"));
  EXPECT_EQ(upperCell(0, 4), QStringLiteral("0000003000"));
  EXPECT_EQ(upperCell(2, 3), tree.path(QStringLiteral("music/deep")));
  EXPECT_EQ(widget<QLabel>("lblCountList")->text(), QStringLiteral("Files in list 4 of 0 Megabytes"));
  // Every row has an icon, and rows of one type share it.
  for (int row = 0; row < 4; ++row) EXPECT_GT(state.catalogue().lstmain().at(row).icon, 0);
  EXPECT_EQ(state.catalogue().lstmain().at(2).icon, state.catalogue().lstmain().at(3).icon);
  EXPECT_NE(state.catalogue().lstmain().at(0).icon, state.catalogue().lstmain().at(1).icon);
  // The gathering controls are usable again and the folder is in the history.
  EXPECT_TRUE(widget<QComboBox>("txtdir")->isEnabled());
  EXPECT_EQ(widget<QComboBox>("txtdir")->count(), 1);
  EXPECT_TRUE(widget<QGroupBox>("framain")->isHidden());
}

TEST_F(MainWindowTest, RemoveTakesTheFolderOutAndEmptiesTheBox) {
  typeFolder(tree.root());
  widget<QCheckBox>("chkrecurse")->setChecked(true);
  click("cmdadd");
  ASSERT_EQ(upperRows(), 6);
  typeFolder(tree.path(QStringLiteral("music")));
  click("cmddel");
  EXPECT_EQ(upperRows(), 2);
  EXPECT_EQ(widget<QComboBox>("txtdir")->currentText(), QString());
  EXPECT_EQ(upperCell(0, 0), QStringLiteral("loose.txt"));
  EXPECT_EQ(upperCell(1, 0), QStringLiteral("e.jpg"));
}

TEST_F(MainWindowTest, BrowsePutsThePickedFolderIntoTheBox) {
  picker.answer = tree.path(QStringLiteral("photos"));
  click("cmddir");
  EXPECT_EQ(picker.starts, QStringList{QStringLiteral("/")});
  EXPECT_EQ(widget<QComboBox>("txtdir")->currentText(), tree.path(QStringLiteral("photos/")));
  picker.answer.clear();
  click("cmddir");
  EXPECT_EQ(widget<QComboBox>("txtdir")->currentText(), tree.path(QStringLiteral("photos/")));
}

TEST_F(MainWindowTest, FoldersDroppedOnTheFolderBoxAreAddedAndFilesIgnored) {
  typeFolder(tree.path(QStringLiteral("photos")));
  click("cmdadd");
  ASSERT_EQ(upperRows(), 1);
  dropOn(widget<QComboBox>("txtdir")->lineEdit(),
         {tree.path(QStringLiteral("music")), tree.path(QStringLiteral("loose.txt")), tree.path(QStringLiteral("music/deep"))});
  ASSERT_EQ(upperRows(), 5);
  EXPECT_EQ(upperCell(0, 0), QStringLiteral("e.jpg"));
  EXPECT_EQ(upperCell(1, 0), QStringLiteral("a.mp3"));
  EXPECT_EQ(upperCell(4, 0), QStringLiteral("d.ogg"));
  EXPECT_EQ(widget<QLabel>("lblCountList")->text(), QStringLiteral("Files in list 5 of 0 Megabytes"));
}

TEST_F(MainWindowTest, StopDuringAWalkEndsItAndClosesTheProgressFrame) {
  for (int i = 0; i < 30; ++i) tree.file(QStringLiteral("many/f%1/x.txt").arg(i, 2, 10, QLatin1Char('0')), 1);
  bool frameShownDuringWalk = false;
  pump.atCall = 40;  // past the listing of the top folder, inside the walk
  pump.action = [&] {
    window.syncFromState();
    frameShownDuringWalk = !widget<QGroupBox>("framain")->isHidden() &&
                           widget<QLabel>("lblcurrent")->text() == QStringLiteral("Adding directories");
    click("cmdstop");
  };
  typeFolder(tree.path(QStringLiteral("many")));
  widget<QCheckBox>("chkrecurse")->setChecked(true);
  click("cmdadd");
  EXPECT_TRUE(frameShownDuringWalk);
  EXPECT_TRUE(state.run().stopflag);
  EXPECT_LT(upperRows(), 30);
  EXPECT_TRUE(widget<QGroupBox>("framain")->isHidden());
  EXPECT_EQ(widget<QLabel>("lblcurrent")->text(), QStringLiteral("Current level of CD utilization"));
  EXPECT_TRUE(state.form().find(QStringLiteral("cmdstop"))->tag.isEmpty());
}

TEST_F(MainWindowTest, CheckBoxesOfTheListWriteTheRows) {
  typeFolder(tree.path(QStringLiteral("music")));
  click("cmdadd");
  QAbstractItemModel* model = widget<QTableView>("lstmain")->model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->data(model->index(1, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
  ASSERT_TRUE(model->setData(model->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_FALSE(state.catalogue().lstmain().at(1).checked);
  EXPECT_TRUE(state.catalogue().lstmain().at(0).checked);
}

TEST_F(MainWindowTest, PatternAndModeTypedInTheWindowReachTheState) {
  widget<QLineEdit>("txtpattern")->setText(QStringLiteral("*.txt"));
  widget<QWidget>("optmain", 1)->setProperty("checked", true);
  typeFolder(tree.path(QStringLiteral("music")));
  click("cmdadd");
  ASSERT_EQ(upperRows(), 1);
  EXPECT_EQ(upperCell(0, 0), QStringLiteral("a.mp3"));
}

}  // namespace
