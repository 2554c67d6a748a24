// A stop signal in the window, offscreen: whatever waits for the user (a question, a
// message, a dialog, a menu) ends as Escape would end it, and the window closes as the user
// closing it would, also one not shown yet.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

#include "windows/QtMessages.h"
#include "windows/SignalClose.h"

namespace {

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
         messages.show(QStringLiteral("Command not recognised"), QStringLiteral("--version"),
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
