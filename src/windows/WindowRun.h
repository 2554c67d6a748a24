// The run with a window: the start-up and the command line, then the window's event loop.
#pragma once

#include <QString>
#include <QStringList>

namespace windows {

int runWindow(const QStringList& arguments, const QString& programFolder);

}  // namespace windows
