// The signal's byte in the pipe wakes the event loop, also the short loops that long
// commands run between their steps and the loop of a dialog that waits for an answer.
#include "windows/SignalClose.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

namespace windows {

namespace {

// Ends every open menu and dialog as Escape would; their loops return to their callers.
void endOpenDialogs() {
  // A menu closed may leave the one it was opened from; every popup is the active one once.
  for (QWidget* popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
    if (!popup->close()) break;
  QList<QPointer<QDialog>> open;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) open.append(dialog);
  for (const QPointer<QDialog>& dialog : open)
    if (dialog && dialog->isVisible()) dialog->reject();
}

}  // namespace

void closeOnStopSignal(platform::StopSignals& signals, QWidget& window) {
  auto* notifier = new QSocketNotifier(signals.descriptor(), QSocketNotifier::Read, &window);  // owned by the window
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&signals, &window] {
    signals.drain();
    endOpenDialogs();
    window.close();
  });
}

}  // namespace windows
