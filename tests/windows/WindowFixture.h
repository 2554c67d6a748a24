// The main window over a TestWindow, shown offscreen, with lookups of its widgets and drops.
// Both list models are watched by Qt's model tester all the time: whatever it finds fails
// the test that caused it.
#pragma once

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTableView>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

#include "output/FileDrop.h"
#include "platform/ThemeIconProvider.h"
#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "support/OutputFakes.h"
#include "windows/MainWindow.h"

namespace testing_support {

class WindowFixture : public ::testing::Test, protected TestWindow {
 protected:
  // Every window draws its icons from the desktop theme, through one provider for all.
  WindowFixture() : TestWindow(&themeIcons()), view(window, &themeIcons()) {
    previousHandler = qInstallMessageHandler(failOnModelTesterReport);
    for (const catalogue::ControlId list : {shell::mainform::lstmain, shell::mainform::lstsec})
      testers.push_back(std::make_unique<QAbstractItemModelTester>(
          table(list)->model(), QAbstractItemModelTester::FailureReportingMode::Warning));
  }
  ~WindowFixture() override {
    testers.clear();
    qInstallMessageHandler(previousHandler);
  }

  static platform::ThemeIconProvider& themeIcons() {
    static platform::ThemeIconProvider provider;
    return provider;
  }
  template <class W>
  W* widget(catalogue::ControlId id, int index = -1) {
    auto* w = qobject_cast<W*>(view.control(id, index));
    EXPECT_NE(w, nullptr) << id.name;
    return w;
  }
  QTableView* table(catalogue::ControlId id) { return widget<QTableView>(id); }
  QStringList column(catalogue::ControlId list, int col = 0) {
    QStringList out;
    QAbstractItemModel* m = table(list)->model();
    for (int row = 0; row < m->rowCount(); ++row) out.append(m->index(row, col).data().toString());
    return out;
  }
  // Drags the paths over the widget (which must accept them) and drops them; true if taken.
  // The URLs carry each name's bytes percent-encoded, as a file manager sends them.
  bool drop(QWidget* target, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls.append(QUrl::fromEncoded(output::fileUri(path)));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
  }

  windows::MainWindow view;

 private:
  static void failOnModelTesterReport(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && qstrcmp(context.category, "qt.modeltest") == 0)
      ADD_FAILURE() << "model tester: " << text.toStdString();
    else if (previousHandler)
      previousHandler(type, context, text);
  }
  static inline QtMessageHandler previousHandler = nullptr;
  std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

}  // namespace testing_support
