// The window's questions, offscreen: No is the default button, so an Enter pressed by
// mistake never deletes or replaces anything.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "windows/QtMessages.h"

namespace {

TEST(QtMessages, EnterAnswersNo) {
  bool boxShown = false, noIsDefault = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    boxShown = true;
    noIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::No);
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
    if (box->isVisible()) box->done(QMessageBox::Cancel);  // Enter did nothing: end the question anyway
  });
  windows::QtMessages messages;
  EXPECT_FALSE(messages.ask(QStringLiteral("Delete files"),
                            QStringLiteral("Are you sure you want to delete the files selected?")));
  EXPECT_TRUE(boxShown);
  EXPECT_TRUE(noIsDefault);
}

// A program that is ending shows no dialog that nobody would answer.
TEST(QtMessages, AnEndingProgramNeverWaitsForAnAnswer) {
  bool boxShown = false;
  const auto watch = [&] {
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxShown = true;
        box->done(QMessageBox::Yes);
      }
    });
  };
  windows::QtMessages messages;
  messages.setEnding([] { return true; });
  watch();
  EXPECT_FALSE(messages.ask(QStringLiteral("Delete files"), QStringLiteral("Sure?")));
  watch();
  messages.show(QStringLiteral("Batch search"), QStringLiteral("The batch was stopped."),
                platform::MessageIcon::Information);
  QApplication::processEvents();
  EXPECT_FALSE(boxShown);
}

}  // namespace
