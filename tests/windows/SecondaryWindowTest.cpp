// The secondary windows over the main window, offscreen. About and the instructions open
// from its buttons and logo: owned by it, never modal, loaded once while open and afresh
// after a close. The copy dialog is made from its table, owned by and kept above the main
// window, its buttons routed to the state, hidden (never deleted) when done.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/MemorySettingsStore.h"
#include "windows/AboutWindow.h"
#include "windows/CopyWindow.h"
#include "windows/HelpWindow.h"
#include "windows/QtSound.h"
#include "windows/WindowFixture.h"

namespace {

namespace mf = shell::mainform;

class SecondaryWindowTest : public testing_support::WindowFixture {
 protected:
  SecondaryWindowTest() { view.show(); }
  template <class W>
  QList<W*> open() { return view.findChildren<W*>(QString(), Qt::FindDirectChildrenOnly); }
  void clickLeft(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2)); }
};

TEST_F(SecondaryWindowTest, ButtonsAndLogoOpenOneOwnedModelessWindowEach) {
  for (const catalogue::ControlId shown : {mf::cmdhelp, mf::cmdAbout, mf::imgLogo})
    EXPECT_TRUE(view.control(shown)->isVisible()) << shown;
  clickLeft(widget<QLabel>(mf::imgLogo));
  ASSERT_EQ(open<windows::AboutWindow>().size(), 1);
  widget<QPushButton>(mf::cmdAbout)->click();
  widget<QPushButton>(mf::cmdhelp)->click();
  ASSERT_EQ(open<windows::AboutWindow>().size(), 1);
  ASSERT_EQ(open<windows::HelpWindow>().size(), 1);
  for (QWidget* w : QList<QWidget*>{open<windows::AboutWindow>()[0], open<windows::HelpWindow>()[0]})
    EXPECT_TRUE(w->isVisible() && w->isWindow() && w->windowModality() == Qt::NonModal) << w->objectName().toStdString();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(SecondaryWindowTest, InstructionsOpenedTwiceShowTheSameText) {
  widget<QPushButton>(mf::cmdhelp)->click();
  auto text = [this] {
    return qobject_cast<QPlainTextEdit*>(open<windows::HelpWindow>()[0]->control(shell::helpform::txtHelp))->toPlainText();
  };
  const QString first = text();
  EXPECT_TRUE(first.contains(QStringLiteral("1. Browse for a folder")));
  widget<QPushButton>(mf::cmdhelp)->click();
  EXPECT_EQ(text(), first);
  open<windows::HelpWindow>()[0]->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(open<windows::HelpWindow>().isEmpty());
  widget<QPushButton>(mf::cmdhelp)->click();
  EXPECT_EQ(text(), first);
}

struct RecordingOpener final : platform::LinkOpener {
  bool open(const QUrl& address) override {
    opened.append(address);
    return true;
  }
  QList<QUrl> opened;
};

TEST_F(SecondaryWindowTest, AboutSendsItsMailLinkAndClosesOnOk) {
  shell::AboutFacts facts;
  facts.email = QStringLiteral("me@example.org");
  RecordingOpener opener;
  QPointer<windows::AboutWindow> about = new windows::AboutWindow(view, facts, opener, {});
  about->show();
  clickLeft(about->control(shell::aboutform::lblEMail));
  ASSERT_EQ(opener.opened.size(), 1);
  EXPECT_EQ(opener.opened[0].scheme(), QStringLiteral("mailto"));
  qobject_cast<QPushButton*>(about->control(shell::aboutform::cmdOK))->click();
  EXPECT_FALSE(about->isVisible());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(about.isNull());
}

// The copy dialog's tests also keep its settings.
class CopyWindowTest : public SecondaryWindowTest {
 protected:
  CopyWindowTest() { view.move(100, 80); }
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
  shell::MainForm copying{services({.copy = shell::CopyDesktop{&dialog, nullptr, nullptr, &store}})};
  copying.catalogue().lstsec().append(catalogue::FileEntry{tree.path(QStringLiteral("src/a.mp3")), {}, {}, 10});
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
