// The generic binding under the main window, offscreen: only changed records are written,
// Tab follows reading order, the limit box lets the user type, a sort keeps the highlight.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include "catalogue/Numbers.h"
#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "windows/WindowFixture.h"

namespace {

class BindingWindowTest : public testing_support::WindowFixture {
 protected:
  BindingWindowTest() {
    window.Form_Load({}, nullptr);
    view.syncFromState();
    view.show();
  }
  // The next control in the focus chain that takes Tab focus and is not part of `from`.
  static QWidget* nextTabStop(QWidget* from) {
    for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
      if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(from->window()) && !from->isAncestorOf(w) && !w->focusProxy())
        return w;
    return nullptr;
  }
  static std::string name(QWidget* w) { return w ? w->objectName().toStdString() : "<none>"; }
  // Focus changes are sent by hand: an offscreen window is never active.
  static void focus(QWidget* w, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(w, &event);
  }
};

using BindingDeathTest = BindingWindowTest;

// A misspelt name would otherwise check nothing, or make a record no window shows.
TEST_F(BindingDeathTest, AskingForAnUndeclaredControlEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(window.form()(QStringLiteral("txtdri")), "declares no control txtdri");
}

// What a widget shows is rewritten only when its record changes, not at every refresh.
TEST_F(BindingWindowTest, OnlyChangedRecordsAreWrittenToTheirWidgets) {
  for (const auto& [control, property] : {std::pair{shell::mainform::lblpattern, "text"}, {shell::mainform::framain, "title"}, {shell::mainform::cmddir, "toolTip"}}) {
    QWidget* w = widget<QWidget>(control);
    w->setProperty(property, QStringLiteral("behind its back"));
    window.Timer_Timer();
    view.syncFromState();
    EXPECT_EQ(w->property(property).toString(), QStringLiteral("behind its back")) << control;
    (*this)[control].enabled = true;  // any write counts as a change
    view.syncFromState();
    EXPECT_NE(w->property(property).toString(), QStringLiteral("behind its back")) << control;
  }
}

// Each stop lies right of the one before in the same row, or in a lower row; a list is one
// stop, which Tab leaves instead of walking its cells.
TEST_F(BindingWindowTest, TabFollowsTheScreenAndEachListIsOneStop) {
  QWidget* const first = widget<QWidget>(shell::mainform::txtdir);
  for (QWidget *before = first, *w = nextTabStop(first); w && w != first; before = w, w = nextTabStop(w)) {
    const QRect a(before->mapTo(&view, QPoint()), before->size()), b(w->mapTo(&view, QPoint()), w->size());
    const bool sameRow = (b.center().y() >= a.top() && b.center().y() <= a.bottom()) ||
                         (a.center().y() >= b.top() && a.center().y() <= b.bottom());
    EXPECT_TRUE(sameRow ? b.left() > a.left() : b.center().y() > a.center().y()) << name(before) << " then " << name(w);
  }
  EXPECT_EQ(name(nextTabStop(table(shell::mainform::lstmain))), "lstsec");
  gather({{"a.bin", 1}, {"b.bin", 1}});
  view.syncFromState();
  QTableView* upper = table(shell::mainform::lstmain);
  upper->setCurrentIndex(upper->model()->index(0, 0));
  QTest::keyClick(upper, Qt::Key_Tab);
  EXPECT_EQ(upper->currentIndex(), upper->model()->index(0, 0));
}

TEST_F(BindingWindowTest, EnterInTheFolderBoxRunsAdd) {
  tree.file(QStringLiteral("in/a.bin"), 10);
  QLineEdit* edit = widget<QComboBox>(shell::mainform::txtdir)->lineEdit();
  edit->setText(tree.path(QStringLiteral("in")));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(column(shell::mainform::lstmain), QStringList{"a.bin"});
}

// A text that is no number is replaced when the box is left or Enter is pressed, never
// while the user types.
TEST_F(BindingWindowTest, TheLimitBoxLetsTheUserType) {
  QLineEdit* edit = widget<QComboBox>(shell::mainform::txtlimit)->lineEdit();
  enum { Stay, Leave, Enter };
  const struct { const char *typed, *shown; int then; } steps[] = {
      {"650", "650", Stay}, {"abc", "4450", Leave}, {"12.5", "12.5", Leave}, {"", "4450", Enter}, {"98", "98", Enter}};
  for (const auto& step : steps) {
    focus(edit, QEvent::FocusIn);
    edit->selectAll();
    QTest::keyClicks(edit, u'\b' + QString::fromLatin1(step.typed));  // the old text deleted first
    EXPECT_EQ(edit->text(), QString::fromLatin1(step.typed)) << "as typed until it is left";
    if (step.then == Enter) QTest::keyClick(edit, Qt::Key_Return);
    if (step.then == Leave) focus(edit, QEvent::FocusOut);
    EXPECT_EQ(edit->text(), QString::fromLatin1(step.shown)) << step.typed;
    EXPECT_EQ((*this)[mainform::txtlimit].tag, catalogue::numberText(QByteArray(step.shown).toDouble() * catalogue::MB));
  }
}

TEST_F(BindingWindowTest, HighlightedRowsStayHighlightedThroughASort) {
  gather({{"a.bin", 3}, {"b.bin", 1}, {"c.bin", 2}, {"d.bin", 4}});
  view.syncFromState();
  QTableView* upper = table(shell::mainform::lstmain);
  for (int row : {0, 2}) upper->selectionModel()->select(upper->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QHeaderView* header = upper->horizontalHeader();
  for (int section : {4, 4, 0}) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(section) + 4, 4));
    QStringList highlighted;
    for (const QModelIndex& row : upper->selectionModel()->selectedRows()) highlighted.append(row.data().toString());
    highlighted.sort();
    EXPECT_EQ(highlighted, QStringList({"a.bin", "c.bin"})) << "after a click on column " << section;
  }
  EXPECT_NE(column(shell::mainform::lstmain).indexOf(QStringLiteral("a.bin")), 0) << "the rows moved";
}

}  // namespace
