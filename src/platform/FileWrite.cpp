// Kept free of Qt's file classes: the callers work on raw name bytes, which must reach the
// system unchanged.
#include "platform/FileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

int writeAll(int fd, const char* bytes, qsizetype size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size_t(size));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes += n;
    size -= n;
  }
  return 0;
}

int replaceRefusal(const QByteArray& target, struct stat& old, bool& exists) {
  exists = ::stat(target.constData(), &old) == 0;
  if (exists && ::access(target.constData(), W_OK) != 0) return errno;
  if (exists && (old.st_mode & 0222) == 0) return EACCES;
  return 0;
}

int temporaryBeside(const QByteArray& target, const char* prefix, QByteArray& temporary) {
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash == 0 ? 1 : slash);
  temporary = folder + (folder.endsWith('/') ? "" : "/") + prefix + "XXXXXX";
  return ::mkstemp(temporary.data());
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace platform
