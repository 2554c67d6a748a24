// The run with a window: the start-up and the command line, then the window's event loop.
#pragma once

#include <QString>

namespace windows {

int runWindow(const QString& commandLine, const QString& programFolder);

}  // namespace windows
