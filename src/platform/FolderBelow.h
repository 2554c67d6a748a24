// Folders below an open folder, reached one level at a time by handle. No symbolic link
// below the starting folder is ever followed, so a link planted in a shared folder cannot
// send what is written there anywhere else; missing levels are made on the way.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <functional>

#include "platform/LongPaths.h"

namespace platform {

struct FolderBelow {
  FileHandle folder;     // open when every level was reached
  int error = 0;         // the system's reason when a level could not be made or opened
  bool escapes = false;  // a level is a symbolic link or "..", which could lead out
  QByteArray levels;     // the levels walked, up to and including the one it stopped at
};

// Opens `levels` ("a/b/c"; empty levels and "." count for nothing) below the folder
// `base`. A missing level is made with the permission bits `modeOf` gives for the levels
// up to it, less the umask.
FolderBelow openFolderBelow(int base, const QByteArray& levels, const std::function<mode_t(const QByteArray&)>& modeOf);

}  // namespace platform
