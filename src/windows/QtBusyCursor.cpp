// Every busy call is paired with a normal one by the platform's guard, so the override
// stack never grows.
#include "windows/QtBusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace windows {

void QtBusyCursor::setBusy(bool busy) {
  if (busy)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace windows
