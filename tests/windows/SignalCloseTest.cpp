// What waits for the user, offscreen: in a question No is the default button, so an Enter
// pressed by mistake never deletes or replaces anything; a program that is ending shows no
// dialog; and a stop signal ends whatever waits (a question, a message, a dialog, a menu) as
// Escape would, and closes the window as the user would, also one not shown yet.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

#include "windows/QtMessages.h"
#include "windows/SignalClose.h"

namespace {

// Presses Enter on the dialog that `call` shows, if any; true if one was shown.
bool enterOnNextBox(const std::function<void()>& call) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = true;
      QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
      if (box->isVisible()) box->done(QMessageBox::Yes);  // Enter did nothing: end it as Yes would
    }
  });
  call();
  QApplication::processEvents();
  return shown;
}

TEST(QtMessages, EnterAnswersNoAndAnEndingProgramNeverWaitsForAnAnswer) {
  windows::QtMessages messages;
  bool answer = true;
  const auto ask = [&] { answer = messages.ask(QStringLiteral("Delete files"), QStringLiteral("Sure?")); };
  EXPECT_TRUE(enterOnNextBox(ask));
  EXPECT_FALSE(answer);
  messages.setEnding([] { return true; });
  answer = true;
  EXPECT_FALSE(enterOnNextBox(ask));
  EXPECT_FALSE(answer);
  EXPECT_FALSE(enterOnNextBox(
      [&] { messages.show(QStringLiteral("Batch"), QStringLiteral("Stopped."), platform::MessageIcon::Information); }));
}

struct Window : QWidget {
  void closeEvent(QCloseEvent* event) override {
    closed = true;
    QWidget::closeEvent(event);
  }
  bool closed = false;
};

// Whatever is open: the active modal dialog or popup.
QWidget* waiting() {
  return QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
}

TEST(SignalClose, ASignalEndsWhatWaitsForTheUserAndClosesTheWindow) {
  const struct {
    const char* what;
    bool shown;  // the window, when the signal comes
    std::function<bool(Window&)> wait;  // opens something over the window; true when it ended as Escape would
  } cases[] = {
      {"a question", true,
       [](Window& w) {
         windows::QtMessages messages;
         messages.setParent(&w);
         return !messages.ask(QStringLiteral("Delete files"), QStringLiteral("Sure?"));
       }},
      {"a message with only OK, before the window shows", false,
       [](Window& w) {
         windows::QtMessages messages;
         messages.setParent(&w);
         messages.show(QStringLiteral("Command not recognised"), QStringLiteral("--bogus"),
                       platform::MessageIcon::Exclamation);
         return true;
       }},
      {"a dialog", true, [](Window& w) { return QDialog(&w).exec() == QDialog::Rejected; }},
      {"a menu", true,
       [](Window& w) {
         QMenu menu(&w);
         menu.addAction(QStringLiteral("Batch search"));
         return menu.exec(QPoint(4, 4)) == nullptr;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform::StopSignals signals;
    Window window;
    if (c.shown) window.show();
    windows::closeOnStopSignal(signals, window);
    bool opened = false;
    QTimer::singleShot(0, [&] {
      opened = waiting() != nullptr;
      ::raise(SIGTERM);
    });
    // Should the signal not end it, the test ends it rather than wait for ever.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [] {
      ADD_FAILURE() << "still open after the signal";
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(0);
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    rescue.start(20000);
    EXPECT_TRUE(c.wait(window));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(window.closed);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(waiting(), nullptr);
  }
}

}  // namespace
