// The generic binding under the main window, offscreen: only changed records are written,
// Tab follows reading order, Enter in the folder box adds, the limit box lets the user type.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "catalogue/Numbers.h"
#include "windows/WindowFixture.h"

namespace {

namespace mf = shell::mainform;

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
      if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(from->window()) && !from->isAncestorOf(w) &&
          !w->focusProxy())
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

TEST_F(BindingWindowTest, OnlyChangedRecordsAreWrittenToTheirWidgets) {
  for (const auto& [control, property] :
       {std::pair{mf::lblpattern, "text"}, {mf::framain, "title"}, {mf::cmddir, "toolTip"}}) {
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
  QWidget* const first = widget<QWidget>(mf::txtdir);
  for (QWidget *before = first, *w = nextTabStop(first); w && w != first; before = w, w = nextTabStop(w)) {
    const QRect a(before->mapTo(&view, QPoint()), before->size()), b(w->mapTo(&view, QPoint()), w->size());
    const bool sameRow = (b.center().y() >= a.top() && b.center().y() <= a.bottom()) ||
                         (a.center().y() >= b.top() && a.center().y() <= b.bottom());
    EXPECT_TRUE(sameRow ? b.left() > a.left() : b.center().y() > a.center().y()) << name(before) << " then " << name(w);
  }
  EXPECT_EQ(name(nextTabStop(table(mf::lstmain))), "lstsec");
  gather({{"a.bin", 1}, {"b.bin", 1}});
  view.syncFromState();
  QTableView* upper = table(mf::lstmain);
  upper->setCurrentIndex(upper->model()->index(0, 0));
  QTest::keyClick(upper, Qt::Key_Tab);
  EXPECT_EQ(upper->currentIndex(), upper->model()->index(0, 0));
}

TEST_F(BindingWindowTest, EnterInTheFolderBoxRunsAdd) {
  tree.file(QStringLiteral("in/a.bin"), 10);
  QLineEdit* edit = widget<QComboBox>(mf::txtdir)->lineEdit();
  edit->setText(tree.path(QStringLiteral("in")));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(column(mf::lstmain), QStringList{"a.bin"});
}

// A text that is no number is replaced when the box is left or Enter is pressed, never
// while the user types.
TEST_F(BindingWindowTest, TheLimitBoxLetsTheUserType) {
  QLineEdit* edit = widget<QComboBox>(mf::txtlimit)->lineEdit();
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
    EXPECT_EQ((*this)[mf::txtlimit].tag, catalogue::numberText(QByteArray(step.shown).toDouble() * catalogue::MB));
  }
}

}  // namespace
