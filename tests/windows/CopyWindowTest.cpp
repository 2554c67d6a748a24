// The copy dialog as a window, offscreen: made from its table, owned by and kept above the
// main window, its buttons routed to the state, hidden (never deleted) when done.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "shell/SecondaryFormControls.h"
#include "support/MemorySettingsStore.h"
#include "windows/CopyWindow.h"
#include "windows/QtSound.h"
#include "windows/WindowFixture.h"

namespace {

class CopyWindowTest : public testing_support::WindowFixture {
 protected:
  CopyWindowTest() {
    view.show();
    view.move(100, 80);
  }
  testing_support::MemorySettingsStore store;
  shell::CopyForm state{&store, QStringLiteral("/opt/fillpack"), picker, {}};
};

TEST_F(CopyWindowTest, IsMadeFromItsTableBesideTheMainWindow) {
  windows::CopyWindow dialog(view, state);
  for (const catalogue::ControlDecl& decl : shell::copyFormControls()) {
    if (decl.kind == catalogue::ControlKind::Window) continue;
    ASSERT_NE(dialog.control(decl.name), nullptr) << decl.name.name;
  }
  EXPECT_EQ(dialog.parentWidget(), &view);
  EXPECT_TRUE(dialog.isModal());
  dialog.showBesideOwner();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Copy to Folder"));
  const int offset = qRound(3000 * dialog.logicalDpiX() / 1440.0);
  EXPECT_EQ(dialog.pos(), view.pos() + QPoint(offset, offset));
}

// The user ends the dialog each way: it is modal each time, only OK copies, and it is kept
// for the next copy, hidden.
TEST_F(CopyWindowTest, TheCopyCommandOpensTheDialogModallyAndOnlyOkCopies) {
  tree.file(QStringLiteral("src/a.mp3"), 10);
  windows::QtCopyDialog dialog;
  dialog.setOwner(&view);
  shell::MainForm copying{services({.copy = {&dialog, nullptr, nullptr, &store}})};
  copying.catalogue().lstsec().append(catalogue::FileEntry{tree.path(QStringLiteral("src/a.mp3")), {}, {}, {}, 10});
  const QString stage = tree.path(QStringLiteral("stage"));
  for (const auto& end : {std::pair{shell::copyform::cmdCancel, false}, std::pair{catalogue::ControlId("close box"), false}, std::pair{shell::copyform::cmdOK, true}}) {
    bool wasModal = false;
    QTimer::singleShot(0, [&] {  // once the dialog's own loop runs
      auto* open = view.findChild<windows::CopyWindow*>();
      ASSERT_NE(open, nullptr);
      wasModal = QApplication::activeModalWidget() == open;
      qobject_cast<QLineEdit*>(open->control(shell::copyform::txtPath))->setText(stage);
      qobject_cast<QCheckBox*>(open->control(shell::copyform::chkSound))->setChecked(false);
      if (auto* button = qobject_cast<QPushButton*>(open->control(end.first)))
        button->click();
      else
        open->close();
    });
    copying.cmdCopy_Click();
    EXPECT_TRUE(wasModal) << end.first.name;
    EXPECT_EQ(QFileInfo::exists(stage + tree.path(QStringLiteral("src/a.mp3"))), end.second) << end.first.name;
    ASSERT_EQ(view.findChildren<windows::CopyWindow*>().size(), 1);
    EXPECT_FALSE(view.findChild<windows::CopyWindow*>()->isVisible());
  }
  // The box as it was at OK.
  EXPECT_EQ(store.values[testing_support::MemorySettingsStore::address(
                QStringLiteral("Fillpack"), QStringLiteral("Main"), QStringLiteral("Sound"))],
            QStringLiteral("0"));
}

TEST(QtSound, AMissingFileBeepsWithoutWaiting) {
  int beeps = 0;
  windows::QtSound sound([&beeps] { ++beeps; });
  sound.play(QStringLiteral("/nonexistent/All_Done.wav"));
  sound.play(QString());
  EXPECT_EQ(beeps, 2);
}

}  // namespace
