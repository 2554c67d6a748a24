// The run without a window: the start-up and the command line, every message on standard
// error, every question answered No, then the state on standard output.
#pragma once

#include <QString>

namespace shell {

// Returns the process's exit status.
int runHeadless(const QString& commandLine, const QString& programFolder);

}  // namespace shell
