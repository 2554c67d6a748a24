// The signal's byte in the pipe wakes the event loop, also the short loops that long
// commands run between their steps.
#include "windows/SignalClose.h"

#include <QSocketNotifier>
#include <QWidget>

namespace windows {

void closeOnStopSignal(platform::StopSignals& signals, QWidget& window) {
  auto* notifier = new QSocketNotifier(signals.descriptor(), QSocketNotifier::Read, &window);  // owned by the window
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&signals, &window] {
    signals.drain();
    window.close();
  });
}

}  // namespace windows
