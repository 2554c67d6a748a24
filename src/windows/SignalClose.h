// SIGINT and SIGTERM close a window as the user closing it would: every dialog and menu
// that waits for the user ends as Escape would end it, then the window's close event runs,
// so a command that runs sees the stop request and what the window keeps on closing is kept.
#pragma once

#include "platform/StopSignals.h"

class QWidget;

namespace windows {

// Watches the signals for as long as `window` exists.
void closeOnStopSignal(platform::StopSignals& signals, QWidget& window);

}  // namespace windows
