// Writing a whole file so that readers see either the old contents or the new, never a
// part: the bytes go to a temporary file beside it, which is renamed over the target.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The reason the file could not be written, in the system's words ("Permission denied");
// empty when it was written. On failure the old file is as it was and no temporary is
// left. A symbolic link is followed: the file it leads to is replaced and the link stays.
// Only a regular file is ever replaced; a folder, pipe, device or socket is refused
// ("Not a regular file"). A file the user may not write is never replaced, and one without
// any write bit counts as such even for root, who could otherwise rename over it. The new
// file keeps only the read and write bits of the old one; a new name gets 0666 less the umask.
[[nodiscard]] QString replaceFile(const QString& path, const QByteArray& contents);

}  // namespace platform
