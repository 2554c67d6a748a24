// The About and instructions windows opened from the main window's buttons and logo,
// offscreen: owned by it, never modal, loaded once while open and afresh after a close.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "windows/AboutWindow.h"
#include "windows/HelpWindow.h"
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

}  // namespace
