// The Search menu, offscreen: a right click on the Search button pops it up, and its
// best-fill entry serves the first disc of the plan.
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "windows/WindowFixture.h"

namespace {

// The right button released over a button, as the desktop reports it.
void rightClick(QWidget* button) {
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(button, &click);
}

class SearchMenuWindowTest : public testing_support::WindowFixture {
 protected:
  SearchMenuWindowTest() { view.show(); }
  // Right-clicks the Search button; the entries of the menu that shows, after `entry` is chosen.
  QStringList rightClickSearch(catalogue::ControlId entry) {
    QStringList entries;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions()) {
        entries.append(action->objectName());
        if (action->objectName() == QLatin1String(entry.name)) action->trigger();
      }
      menu->close();
    });
    rightClick(widget<QPushButton>(shell::mainform::cmdsearch));
    return entries;
  }
};

TEST_F(SearchMenuWindowTest, ARightClickOnSearchOpensTheSearchMenu) {
  gather({{"a.bin", 7}, {"b.bin", 6}, {"c.bin", 3}});
  window.setLimitText("10");
  window.Timer_Timer();
  view.syncFromState();
  EXPECT_EQ(rightClickSearch(shell::mainform::mnubestfill),
            QStringList({"mnuscan", "mnubestfill", "mnubestbatch"}));
  view.syncFromState();
  EXPECT_EQ(column(shell::mainform::lstsec), QStringList({in("a.bin"), in("c.bin")}));
  EXPECT_EQ(window.run().partcount, 1);
}

// A right click on a button without a menu does nothing.
TEST_F(SearchMenuWindowTest, ARightClickOnAnotherButtonOpensNoMenu) {
  bool popped = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* menu = QApplication::activePopupWidget()) popped = true, menu->close();
  });
  rightClick(widget<QPushButton>(shell::mainform::cmdload));
  QApplication::processEvents();
  EXPECT_FALSE(popped);
}

}  // namespace
