// Copying one file so that nothing at the destination is ever lost: the bytes go, chunk by
// chunk, into a temporary file beside the destination, which replaces it only once
// complete. Between chunks the caller is told how far the copy has come and may stop it.
// Only regular files are copied, and only a regular file or a link is ever replaced.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {

enum class CopyOutcome {
  Copied,
  Stopped,         // the caller stopped it; the destination is as it was
  SourceFailed,    // the source could not be opened or read (vanished, no permission)
  SourceNotAFile,  // the source is a folder, a FIFO, a device or a socket: nothing was read
  TargetFailed,    // the destination could not be written (read-only, full disk, no folder)
  TargetNotAFile,  // a folder, FIFO, device or socket has the destination's name: left alone
  SameFile,        // source and destination are one file: nothing was written
};

struct CopyResult {
  CopyOutcome outcome = CopyOutcome::Copied;
  int error = 0;  // the system's error number behind a failure
};

// The size of one chunk: large enough that the system calls cost nothing against the
// disk, small enough that Stop and the progress follow within a blink.
inline constexpr qint64 copyChunkBytes = 4 << 20;

// How the bytes travel: by the kernel from file to file (which also shares the blocks
// where the file system can), or through the program's memory. The kernel's way falls
// back to the other where the two files' systems do not support it.
enum class CopyMethod { Kernel, ReadWrite };

// Copies `source` (a link to a regular file counts as that file) to the file `name` in
// the open folder `folder`, keeping the modification time and the permission bits (less
// the umask). A link of that name is replaced itself, never written through. `afterChunk`
// gets the bytes of this file copied so far and returns false to stop. On anything but
// Copied the old destination is untouched and no temporary file is left.
CopyResult copyFile(const QString& source, int folder, const QByteArray& name,
                    const std::function<bool(qint64 copied)>& afterChunk, qint64 chunkBytes = copyChunkBytes,
                    CopyMethod method = CopyMethod::Kernel);
// The same to the path `destination`, whose folder must exist.
CopyResult copyFile(const QString& source, const QString& destination,
                    const std::function<bool(qint64 copied)>& afterChunk, qint64 chunkBytes = copyChunkBytes,
                    CopyMethod method = CopyMethod::Kernel);

// Whether both paths name one existing file (same device and inode, links followed).
bool sameFile(const QString& first, const QString& second);

}  // namespace platform
