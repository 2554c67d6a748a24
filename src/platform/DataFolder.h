// Where the program finds the files it reads at run time (language packs and the like):
// beside the executable in a build tree, or in the shared data folder of an installation.
#pragma once

#include <QString>

namespace platform {

// The executable's folder when it holds "language" (a build tree); else
// `executableFolder`/../share/fillpack when that folder exists (an installation below a
// prefix such as /usr); else the executable's folder, so a message later names a place
// the user can look at.
QString dataFolder(const QString& executableFolder);

}  // namespace platform
