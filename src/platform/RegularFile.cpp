// The file is opened without blocking and only then looked at, so what is checked is what
// is read: a name swapped for a pipe between a look and the open cannot catch the reader.
#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileNames.h"
#include "platform/LongPaths.h"

namespace platform {

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
  const FileHandle file = openAnyLength(encodeFileName(path), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  struct stat st {};
  if (!file.isOpen() || ::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes)
    return std::nullopt;
  // One byte more than allowed tells a file that grew past the bound since it was measured.
  QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
  qsizetype filled = 0;
  while (true) {
    if (filled == bytes.size()) {
      if (filled > maxBytes) return std::nullopt;
      bytes.resize(qMin(qsizetype(maxBytes) + 1, 2 * bytes.size()));
    }
    const ssize_t n = ::read(file.fd(), bytes.data() + filled, size_t(bytes.size() - filled));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    filled += n;
  }
  if (filled > maxBytes) return std::nullopt;
  bytes.truncate(filled);
  return bytes;
}

}  // namespace platform
