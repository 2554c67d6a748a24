// The generic binding under the main window, offscreen: records that were not changed are
// not written again, the keyboard reaches every control in reading order, the limit box
// lets the user type, a sort keeps the highlight, and the burn-time label follows.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "catalogue/Numbers.h"
#include "windows/WindowFixture.h"

namespace {

class BindingWindowTest : public testing_support::WindowFixture {
 protected:
  BindingWindowTest() {
    window.Form_Load({}, nullptr);
    view.syncFromState();
    view.show();
  }
  // The control that Tab leads to from `from`: the next in the focus chain that takes Tab
  // focus and is not part of `from` itself (the line edit of a box, say).
  static QWidget* nextTabStop(QWidget* from) {
    for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
      if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(from->window()) && !from->isAncestorOf(w) &&
          w->focusProxy() == nullptr)
        return w;
    return nullptr;
  }
  QString name(QWidget* w) { return w ? w->objectName() : QStringLiteral("<none>"); }
  QLineEdit* limitEdit() { return widget<QComboBox>("txtlimit")->lineEdit(); }
  // Focus changes are sent by hand: an offscreen window is never active.
  void focus(QWidget* w, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(w, &event);
  }
  void clickHeader(QTableView* list, int section) {
    QHeaderView* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(section) + 4, 4));
  }
};

using BindingDeathTest = BindingWindowTest;

// A misspelt name would otherwise check nothing, or make a record no window shows.
TEST_F(BindingDeathTest, AskingForAnUndeclaredControlEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(window.form()(QStringLiteral("txtdri")), "declares no control txtdri");
  EXPECT_DEATH(window.form()(QStringLiteral("txtdir"), 0), "declares no control txtdir\\(0\\)");
  EXPECT_DEATH(window.form()(QStringLiteral("cmdcdrom"), 7), "cmdcdrom\\(7\\)");
  EXPECT_DEATH(std::as_const(window).form().text(QStringLiteral("lblnothing")), "lblnothing");
  // A member of a declared array that is not loaded is no error for a reader.
  EXPECT_EQ(std::as_const(window).form().find(QStringLiteral("cmdcdrom"), 7), nullptr);
}

// What a widget shows is rewritten only when its record changes, not at every refresh.
TEST_F(BindingWindowTest, OnlyChangedRecordsAreWrittenToTheirWidgets) {
  const struct {
    const char* control;
    const char* property;
  } cases[] = {{"lblpattern", "text"}, {"cmdadd", "text"}, {"framain", "title"}, {"cmddir", "toolTip"}};
  for (const auto& c : cases) {
    QWidget* w = widget<QWidget>(c.control);
    w->setProperty(c.property, QStringLiteral("behind its back"));
    window.Timer_Timer();
    (*this)["lbldirectory"].text = QStringLiteral("Folder:");
    view.syncFromState();
    EXPECT_EQ(w->property(c.property).toString(), QStringLiteral("behind its back")) << c.control;
    (*this)[c.control].enabled = true;  // any write counts as a change
    view.syncFromState();
    EXPECT_NE(w->property(c.property).toString(), QStringLiteral("behind its back")) << c.control;
  }
  EXPECT_EQ(widget<QLabel>("lbldirectory")->text(), QStringLiteral("Folder:"));
}

TEST_F(BindingWindowTest, TabFollowsTheScreenAndEachListIsOneStop) {
  // Each stop lies right of the one before in the same row, or in a lower row.
  QWidget* const first = widget<QWidget>("txtdir");
  QWidget* before = first;
  for (QWidget* w = nextTabStop(first); w && w != first; before = w, w = nextTabStop(w)) {
    const QRect a(before->mapTo(&view, QPoint()), before->size()), b(w->mapTo(&view, QPoint()), w->size());
    const bool sameRow = (b.center().y() >= a.top() && b.center().y() <= a.bottom()) ||
                         (a.center().y() >= b.top() && a.center().y() <= b.bottom());
    EXPECT_TRUE(sameRow ? b.left() > a.left() : b.center().y() > a.center().y())
        << name(before).toStdString() << " then " << name(w).toStdString();
  }
  const struct {
    const char* from;
    const char* next;
  } steps[] = {{"txtdir", "cmddir"}, {"lstmain", "lstsec"}};
  for (const auto& step : steps)
    EXPECT_EQ(name(nextTabStop(widget<QWidget>(step.from))), QString::fromLatin1(step.next)) << step.from;

  // Tab in a list with rows leaves the list instead of walking its cells.
  gather({{"a.bin", 1}, {"b.bin", 1}});
  view.syncFromState();
  QTableView* upper = table("lstmain");
  EXPECT_FALSE(upper->tabKeyNavigation());
  upper->setCurrentIndex(upper->model()->index(0, 0));
  QTest::keyClick(upper, Qt::Key_Tab);
  EXPECT_EQ(upper->currentIndex(), upper->model()->index(0, 0));
}

TEST_F(BindingWindowTest, EnterInTheFolderBoxRunsAdd) {
  tree.file(QStringLiteral("in/a.bin"), 10);
  QLineEdit* edit = widget<QComboBox>("txtdir")->lineEdit();
  edit->setText(tree.path(QStringLiteral("in")));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(column("lstmain"), QStringList{"a.bin"});
}

// A text that is no number is replaced when the box is left or Enter is pressed, never
// while the user types; the limit in bytes follows every number at once.
TEST_F(BindingWindowTest, TheLimitBoxLetsTheUserType) {
  QLineEdit* edit = limitEdit();
  focus(edit, QEvent::FocusIn);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), QString());
  QTest::keyClicks(edit, QStringLiteral("650"));
  EXPECT_EQ(edit->text(), QStringLiteral("650"));
  EXPECT_EQ((*this)["txtlimit"].tag, QString::number(650 * catalogue::MB));

  const struct {
    const char* typed;
    bool enter;  // or leave the box
    const char* shown;
  } steps[] = {{"abc", false, "4450"}, {"12.5", false, "12.5"}, {"", true, "4450"}, {"98", true, "98"}};
  for (const auto& step : steps) {
    focus(edit, QEvent::FocusIn);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromLatin1(step.typed));
    EXPECT_EQ(edit->text(), QString::fromLatin1(step.typed)) << "as typed until it is left";
    if (step.enter)
      QTest::keyClick(edit, Qt::Key_Return);
    else
      focus(edit, QEvent::FocusOut);
    EXPECT_EQ(edit->text(), QString::fromLatin1(step.shown)) << step.typed;
    EXPECT_EQ((*this)["txtlimit"].tag, catalogue::numberText(QString::fromLatin1(step.shown).toDouble() * catalogue::MB))
        << step.typed;
  }
}

TEST_F(BindingWindowTest, HighlightedRowsStayHighlightedThroughASort) {
  gather({{"a.bin", 3}, {"b.bin", 1}, {"c.bin", 2}, {"d.bin", 4}});
  view.syncFromState();
  QTableView* upper = table("lstmain");
  for (int row : {0, 2}) upper->selectionModel()->select(upper->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  const auto highlighted = [&] {
    QStringList names;
    for (const QModelIndex& row : upper->selectionModel()->selectedRows()) names.append(row.data().toString());
    names.sort();
    return names;
  };
  for (int section : {4, 4, 0}) {
    clickHeader(upper, section);
    EXPECT_EQ(highlighted(), QStringList({"a.bin", "c.bin"})) << "after a click on column " << section;
  }
  EXPECT_NE(column("lstmain").indexOf(QStringLiteral("a.bin")), 0) << "the rows moved";
}

// 300 MB take 2048 seconds at 150 KB a second, 42 at 48 times that.
TEST_F(BindingWindowTest, TheBurnTimeFollowsASearchAndThePickedSpeed) {
  window.setLimitText(QStringLiteral("700"));
  gather({{"a.bin", 300}});
  window.Timer_Timer();  // offers Search now that the list holds rows
  view.syncFromState();
  widget<QPushButton>("cmdsearch")->click();
  EXPECT_EQ(widget<QLabel>("lblspeed")->text(), QStringLiteral("34:08 to burn"));
  QComboBox* speed = widget<QComboBox>("cbospeed");
  const int fast = speed->findText(QStringLiteral("48x"));
  ASSERT_GE(fast, 0);
  speed->setCurrentIndex(fast);
  Q_EMIT speed->activated(fast);
  EXPECT_EQ(widget<QLabel>("lblspeed")->text(), QStringLiteral("00:42 to burn"));
  EXPECT_EQ(speed->currentText(), QStringLiteral("48x"));
}

}  // namespace
