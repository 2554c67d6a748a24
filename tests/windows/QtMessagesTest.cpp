// The window's questions, offscreen: No is the default button, so an Enter pressed by
// mistake never deletes or replaces anything; a program that is ending shows no dialog.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "windows/QtMessages.h"

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

}  // namespace
