// The run without a window: the start-up and the command line, every message on standard
// error, every question answered No, then the state on standard output.
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// Returns the process's exit status: 0; 1 when the state cannot be written; 128 + the
// signal's number when SIGINT or SIGTERM stopped the run.
int runHeadless(const QStringList& arguments, const QString& programFolder);

}  // namespace shell
