// The window driven as a user would, offscreen, each command checked against what the
// widgets show; and the generic binding under it: only changed records are written, Tab
// follows reading order, the limit box lets the user type.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "catalogue/Numbers.h"
#include "catalogue/Utilization.h"
#include "windows/WindowFixture.h"

namespace {

namespace mf = shell::mainform;

class MainWindowTest : public testing_support::WindowFixture {
 protected:
  MainWindowTest() {
    tree.file(QStringLiteral("music/a.mp3"), 3000);
    for (const char* f : {"music/b.txt", "music/deep/c.ogg", "music/deep/d.ogg", "photos/e.jpg", "photos/sub/f.jpg",
                          "loose.txt"})
      tree.file(QString::fromLatin1(f), 10);
  }
  QComboBox* folderBox() { return widget<QComboBox>(mf::txtdir); }
  QPushButton* button(catalogue::ControlId id) { return widget<QPushButton>(id); }
  QString label(catalogue::ControlId id) { return widget<QLabel>(id)->text(); }
  void click(catalogue::ControlId id) { button(id)->click(); }
  void tick() {
    window.Timer_Timer();
    view.syncFromState();
  }
  void add(const QString& folder, bool recurse) {
    folderBox()->lineEdit()->setText(folder);
    widget<QCheckBox>(mf::chkrecurse)->setChecked(recurse);
    click(mf::cmdadd);
  }
  // Focus changes are sent by hand: an offscreen window is never active.
  static void focus(QWidget* w, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(w, &event);
  }
  // Enters an editable box, types over what it shows and leaves it, as a user would.
  void typeInto(catalogue::ControlId box, const QString& text) {
    QLineEdit* edit = widget<QComboBox>(box)->lineEdit();
    focus(edit, QEvent::FocusIn);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    focus(edit, QEvent::FocusOut);
  }
};

// A dropped folder's own files are added, not its subfolders' even with the box ticked;
// dropped files are ignored.
TEST_F(MainWindowTest, AddAndAFolderDropShowTheFilesWithIconsAndSummary) {
  add(tree.path(QStringLiteral("music")), true);
  ASSERT_EQ(column(mf::lstmain), QStringList({"a.mp3", "b.txt", "c.ogg", "d.ogg"}));
  EXPECT_EQ(column(mf::lstmain, 1)[0], QStringLiteral("2.93 KB"));
  EXPECT_EQ(column(mf::lstmain, 4)[0], QStringLiteral("0000003000"));
  EXPECT_EQ(column(mf::lstmain, 3)[2], tree.path(QStringLiteral("music/deep")));
  QAbstractItemModel* model = table(mf::lstmain)->model();
  for (int row = 0; row < 4; ++row) EXPECT_FALSE(model->index(row, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  for (int col = 0; col < model->columnCount(); ++col) {  // the sizes flush right; a check box by the name only
    const QModelIndex cell = model->index(0, col);
    EXPECT_EQ(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>().testFlag(Qt::AlignRight), col == 1 || col == 4)
        << col;
    EXPECT_EQ(cell.flags().testFlag(Qt::ItemIsUserCheckable), col == 0) << col;
  }

  drop(folderBox()->lineEdit(), {tree.path(QStringLiteral("photos")), tree.path(QStringLiteral("loose.txt"))});
  EXPECT_EQ(column(mf::lstmain), QStringList({"a.mp3", "b.txt", "c.ogg", "d.ogg", "e.jpg"}));
  EXPECT_EQ(label(mf::lblCountList), QStringLiteral("Files in list 5 of 0 Megabytes"));
  EXPECT_TRUE(messages.shown.isEmpty());
}

// The picker starts at the folder in the box ("/" when it is empty); a cancel keeps the box.
TEST_F(MainWindowTest, BrowsePutsThePickedFolderIntoTheBox) {
  const QString photos = tree.path(QStringLiteral("photos")), root = QStringLiteral("/");
  const struct {
    QString picked, box, start;
  } steps[] = {{photos, photos + u'/', root}, {root, root, photos + u'/'}, {QString(), root, root}};
  for (const auto& step : steps) {
    picker.answer = step.picked;
    click(mf::cmddir);
    EXPECT_EQ(folderBox()->currentText(), step.box);
    EXPECT_EQ(picker.starts.last(), step.start);
  }
}

TEST_F(MainWindowTest, StopDuringAWalkEndsItAndClosesTheProgressFrame) {
  for (int i = 0; i < 30; ++i) tree.file(QStringLiteral("many/f%1/x.txt").arg(i, 2, 10, QLatin1Char('0')), 1);
  bool frameShownDuringWalk = false;
  pump.onPump = [&](int call) {
    if (call != 40) return;  // past the listing of the top folder, inside the walk
    view.syncFromState();
    frameShownDuringWalk = !widget<QGroupBox>(mf::framain)->isHidden();
    click(mf::cmdstop);
  };
  add(tree.path(QStringLiteral("many")), true);
  EXPECT_TRUE(frameShownDuringWalk);
  EXPECT_LT(column(mf::lstmain).size(), 30);
  EXPECT_TRUE(widget<QGroupBox>(mf::framain)->isHidden());
}

// In the window's own font: the progress frame hides the rows it lies over, its status line
// holds both lines of a copy's status, the upper summary wraps within its label, and the
// splitter bar fills the gap between the lists and shows the resize pointer.
TEST_F(MainWindowTest, TheProgressFrameTheSummaryAndTheSplitterHaveTheirRoom) {
  view.show();
  auto* frame = widget<QGroupBox>(mf::framain);
  (*this)[mf::framain].visible = true;
  const auto underFrame = [&] {
    view.syncFromState();
    return frame->parentWidget()->grab(frame->geometry()).toImage();
  };
  const QImage overNoRows = underFrame();
  for (int i = 0; i < 40; ++i) addLower(tree.path(QStringLiteral("a long folder name/row %1 of the list.mp3").arg(i)));
  EXPECT_TRUE(underFrame() == overNoRows) << "the lower list's rows show through the progress frame";

  // A path too long for the frame is cut at the edge and pushes nothing out of sight.
  const QString counts = QStringLiteral("(file 100000 of 100000, 636792.65 of 636792.65 MB)");
  (*this)[mf::lblcurrent].text =
      QStringLiteral("Copying music/The Beatles/1969 - Abbey Road/01 - Come Together (remastered in 2009).flac\n") +
      counts;
  (*this)[mf::lblCountList].text = QStringLiteral("Files in list 100000 of 636792.65 Megabytes");
  view.syncFromState();
  auto* status = widget<QLabel>(mf::lblcurrent);
  EXPECT_FALSE(status->wordWrap());
  EXPECT_LE(status->sizeHint().height(), status->height());
  EXPECT_LE(status->fontMetrics().horizontalAdvance(counts), status->width());
  auto* summary = widget<QLabel>(mf::lblCountList);
  EXPECT_TRUE(summary->wordWrap());
  EXPECT_LE(summary->heightForWidth(summary->width()), summary->height());

  auto* bar = widget<QWidget>(mf::PicSep);
  EXPECT_GE(bar->height() * 1440, 50 * bar->logicalDpiY()) << "the bar's 50 twips, not rounded down";
  EXPECT_EQ(bar->geometry().bottom() + 1, table(mf::lstsec)->geometry().top());
  EXPECT_EQ(bar->cursor().shape(), Qt::SplitVCursor);
  // Dragged down over the lower list, the bar stays in sight.
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(20, 2));
  QTest::mouseMove(bar, QPoint(20, 40));
  EXPECT_GT(bar->y(), table(mf::lstsec)->y());
  EXPECT_EQ(bar->parentWidget()->childAt(bar->geometry().center()), bar);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 2));
}

TEST_F(MainWindowTest, CheckBoxesPatternAndModeOfTheWindowReachTheState) {
  widget<QLineEdit>(mf::txtpattern)->setText(QStringLiteral("*.txt"));
  widget<QWidget>(mf::optmain, 1)->setProperty("checked", true);  // all but the pattern
  add(tree.path(QStringLiteral("music")), false);
  ASSERT_EQ(column(mf::lstmain), QStringList({"a.mp3"}));
  QAbstractItemModel* model = table(mf::lstmain)->model();
  ASSERT_TRUE(model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_FALSE(window.catalogue().lstmain().haschecked());
}

// A folder that begins a remembered one, and a limit that begins a listed one, stay as typed.
TEST_F(MainWindowTest, TypedFolderAndLimitAreNotCompletedFromTheLists) {
  add(tree.path(QStringLiteral("music/deep/")), false);
  ASSERT_EQ(folderBox()->findText(tree.path(QStringLiteral("music/deep/"))), 0);
  typeInto(mf::txtdir, tree.path(QStringLiteral("music")));
  click(mf::cmdadd);
  EXPECT_EQ(column(mf::lstmain), QStringList({"a.mp3", "b.txt"}));
  typeInto(mf::txtdir, tree.path(QStringLiteral("music")));
  click(mf::cmddel);
  EXPECT_TRUE(column(mf::lstmain).isEmpty()) << "Remove takes the folder typed";

  ASSERT_GE(widget<QComboBox>(mf::txtlimit)->findText(QStringLiteral("657")), 0);
  typeInto(mf::txtlimit, QStringLiteral("65"));
  EXPECT_EQ((*this)[mf::txtlimit].tag, QString::number(65 * catalogue::MB));
}

// However the limit box is left (Tab, Shift+Tab, a click elsewhere), or a search started
// while it still has the text, a text that is not a number becomes 4450 in the box and in
// the limit used. Only a 3000 MB file fits 4450 MB, and none fits 702 MB.
TEST_F(MainWindowTest, TheLimitBoxAppliesItsRuleHoweverItIsLeft) {
  gather({{"a.bin", 3000}, {"b.bin", 2000}});
  tick();
  view.show();
  QApplication::setActiveWindow(&view);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  auto* box = widget<QComboBox>(mf::txtlimit);
  const struct {
    const char* how;
    std::function<void()> leave;
  } ways[] = {
      {"Tab", [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }},
      {"Shift+Tab", [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier); }},
      {"a click elsewhere", [&] { QTest::mouseClick(widget<QLineEdit>(mf::txtpattern), Qt::LeftButton); }},
      {"a search", [&] { button(mf::cmdsearch)->click(); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    window.setLimitText(QStringLiteral("702"));
    view.syncFromState();
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("abc"));
    ASSERT_EQ(box->currentText(), QStringLiteral("abc"));
    way.leave();
    view.syncFromState();
    EXPECT_EQ(box->hasFocus(), way.how == std::string("a search"));
    EXPECT_EQ(box->currentText(), QStringLiteral("4450"));
    EXPECT_EQ(window.capacity().exactBytes, 4450.0 * catalogue::MB);
  }
  EXPECT_EQ(lower(), QStringList({in(QStringLiteral("a.bin"))}));
}

// Search and Save are offered only while their lists hold rows; Load names the list in the title.
TEST_F(MainWindowTest, SearchSaveAndLoadThroughTheButtons) {
  EXPECT_FALSE(button(mf::cmdsearch)->isEnabled() || button(mf::cmdsave)->isEnabled());
  window.setLimitText(QStringLiteral("10"));
  gather({{"a.bin", 6}, {"b.bin", 5}, {"c.bin", 4}});
  tick();
  click(mf::cmdsearch);
  const QStringList found{in(QStringLiteral("a.bin")), in(QStringLiteral("c.bin"))};
  EXPECT_EQ(lower(), found);
  tick();
  const QString list = tree.path(QStringLiteral("part.txt"));
  dialogs.answers = {list, list};
  click(mf::cmdsave);

  window.catalogue().lstsec().clear();
  tick();
  EXPECT_FALSE(button(mf::cmdsave)->isEnabled());
  click(mf::cmdload);
  EXPECT_EQ(lower(), found);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Fillpack (") + list + u')');
}

// The binding's tests start from a loaded window.
class BindingWindowTest : public MainWindowTest {
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
};

using BindingDeathTest = BindingWindowTest;

// A misspelt name would otherwise check nothing, or make a record no window shows.
TEST_F(BindingDeathTest, AskingForAnArrayMemberNotLoadedEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(window.form()(mf::cmdcdrom, 7), "declares no control cmdcdrom\\(7\\)");
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

// A menu entry with a check mark and its record follow each other: a click turns both and
// the option's run flag, a record the program sets shows its mark.
TEST_F(BindingWindowTest, TheSearchOptionsFollowTheirCheckMarks) {
  const auto flags = [this] { return std::pair(window.run().countAsOnDisc, window.run().keepFoldersTogether); };
  const struct {
    catalogue::ControlId entry;
    std::pair<bool, bool> checked;
  } options[] = {{mf::mnudisc, {true, false}}, {mf::mnutogether, {false, true}}};
  for (const auto& option : options) {
    SCOPED_TRACE(option.entry.name);
    auto* action = view.findChild<QAction*>(QString::fromLatin1(option.entry.name));
    ASSERT_TRUE(action && action->isCheckable() && !action->isChecked());
    for (const bool on : {true, false}) {
      action->trigger();
      EXPECT_EQ(action->isChecked(), on);
      EXPECT_EQ((*this)[option.entry].value, int(on));
      EXPECT_EQ(flags(), on ? option.checked : std::pair(false, false));
    }
    window.checkSearchOption(option.entry);
    view.syncFromState();
    EXPECT_TRUE(action->isChecked());
    (*this)[option.entry].value = 0;
    view.syncFromState();
    EXPECT_FALSE(action->isChecked());
    window.searchOptionClicked();
  }
}

}  // namespace
