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
    ASSERT_NE(dialog.control(QString::fromLatin1(decl.name)), nullptr) << decl.name;
  }
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.control(QStringLiteral("txtPath")))->text(), QStringLiteral("/opt/fillpack"));
  EXPECT_EQ(dialog.parentWidget(), &view);
  EXPECT_TRUE(dialog.isModal());
  dialog.showBesideOwner();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Copy to Folder"));
  const int offset = qRound(3000 * dialog.logicalDpiX() / 1440.0);
  EXPECT_EQ(dialog.pos(), view.pos() + QPoint(offset, offset));
}

TEST_F(CopyWindowTest, OkCancelAndTheCloseBoxGoToTheStateAndOnlyHide) {
  windows::CopyWindow dialog(view, state);
  dialog.showBesideOwner();
  qobject_cast<QLineEdit*>(dialog.control(QStringLiteral("txtPath")))->setText(QStringLiteral("/media/stage"));
  qobject_cast<QCheckBox*>(dialog.control(QStringLiteral("chkSound")))->setChecked(false);
  qobject_cast<QPushButton*>(dialog.control(QStringLiteral("cmdOK")))->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(state.cancelled);
  EXPECT_EQ(state.target, QStringLiteral("/media/stage"));
  EXPECT_FALSE(state.soundWanted());

  dialog.showBesideOwner();
  qobject_cast<QPushButton*>(dialog.control(QStringLiteral("cmdCancel")))->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(state.cancelled);

  state.cancelled = false;
  dialog.showBesideOwner();
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(state.cancelled);
}

TEST_F(CopyWindowTest, TheCopyCommandOpensTheDialogModallyAndCopiesOnOk) {
  tree.file(QStringLiteral("src/a.mp3"), 10);
  addLower(tree.path(QStringLiteral("src/a.mp3")));
  windows::QtCopyDialog dialog;
  dialog.setOwner(&view);
  shell::MainForm copying{shell::Services{messages, picker, pump, registry, nullptr, QString(), nullptr, nullptr,
                                          nullptr, QString(), shell::CopyDesktop{&dialog, nullptr, nullptr, &store}}};
  copying.catalogue().lstsec().append(catalogue::FileEntry{tree.path(QStringLiteral("src/a.mp3")), {}, {}, {}, 10});
  const QString stage = tree.path(QStringLiteral("stage"));
  bool wasModal = false;
  // Runs once the dialog's own loop runs.
  QTimer::singleShot(0, [&] {
    auto* open = view.findChild<windows::CopyWindow*>();
    ASSERT_NE(open, nullptr);
    wasModal = QApplication::activeModalWidget() == open;
    qobject_cast<QLineEdit*>(open->control(QStringLiteral("txtPath")))->setText(stage);
    qobject_cast<QPushButton*>(open->control(QStringLiteral("cmdOK")))->click();
  });
  copying.cmdCopy_Click();
  EXPECT_TRUE(wasModal);
  EXPECT_TRUE(QFileInfo::exists(stage + tree.path(QStringLiteral("src/a.mp3"))));
  // Kept for the next copy, hidden.
  ASSERT_EQ(view.findChildren<windows::CopyWindow*>().size(), 1);
  EXPECT_FALSE(view.findChild<windows::CopyWindow*>()->isVisible());
}

TEST(QtSound, AMissingFileBeepsWithoutWaiting) {
  int beeps = 0;
  windows::QtSound sound([&beeps] { ++beeps; });
  sound.play(QStringLiteral("/nonexistent/All_Done.wav"));
  sound.play(QString());
  EXPECT_EQ(beeps, 2);
}

}  // namespace
