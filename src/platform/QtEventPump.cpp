// Throttled Qt event processing for long loops.
#include "platform/QtEventPump.h"

#include <QCoreApplication>

namespace platform {

QtEventPump::QtEventPump(int intervalMs) : intervalMs_(intervalMs) { clock_.start(); }

void QtEventPump::pump() {
  if (clock_.elapsed() < intervalMs_) return;
  if (beforeEvents_) beforeEvents_();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  clock_.restart();
}

}  // namespace platform
