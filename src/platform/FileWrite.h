// The pieces every whole-file replacement shares: the system's reason for an error, a
// write that survives signals and short writes, the rule for which files may be replaced,
// and the temporary file beside a target that is later renamed over it.
#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QString>

namespace platform {

// The system's words for `error` ("Permission denied").
QString systemReason(int error);
// 0 when every byte was written, the error otherwise.
int writeAll(int fd, const char* bytes, qsizetype size);
// Why the file `name` (encoded) in the open folder `folder` (AT_FDCWD for a path), whose
// status is `old`, may not be replaced, as an error number; 0 when it may. A file the user
// may not write is never replaced, and one without any write bit counts as such even for
// root, who could otherwise rename over it.
int replaceRefusal(int folder, const QByteArray& name, const struct stat& old);
// Creates a new, empty temporary file named `prefix` plus six random characters in the
// folder of `target`; its descriptor, or -1 with errno set. `temporary` gets its path.
// The newest such file is known to the stop signals' handler (removeNewestTemporary).
int temporaryBeside(const QByteArray& target, const char* prefix, QByteArray& temporary);
// The same in the open folder `folder`; `temporary` gets the name within it.
int temporaryIn(int folder, const char* prefix, QByteArray& temporary);
// Removes the temporary file that temporaryBeside or temporaryIn made last, while it is still that file
// (not yet renamed over its target or removed), so that a process a second stop signal
// ends at once leaves no partial file behind. Safe to call inside a signal handler.
void removeNewestTemporary();
// The process's file-creation mask, read without changing it for good.
mode_t currentUmask();

}  // namespace platform
