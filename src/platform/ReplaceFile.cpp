// No fsync: a batch writes thousands of lists, and a sync each costs more than all the
// rest of the work. The rename alone already keeps a crash of the program from leaving a
// half-written list; replacing by rename is also what file systems guard on power loss.
#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/FileNames.h"

namespace platform {

namespace {

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// 0 when all was written, the error otherwise.
int writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, size_t(left));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    p += n;
    left -= n;
  }
  return 0;
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

QString replaceFile(const QString& path, const QByteArray& contents) {
  const QByteArray target = encodeFileName(path);
  struct stat old {};
  const bool exists = ::stat(target.constData(), &old) == 0;
  if (exists && ::access(target.constData(), W_OK) != 0) return reason(errno);
  if (exists && (old.st_mode & 0222) == 0) return reason(EACCES);
  // Set-user-ID, set-group-ID, sticky and execute bits of the old file are never carried over.
  const mode_t mode = exists ? (old.st_mode & 0666) : (0666 & ~currentUmask());

  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash == 0 ? 1 : slash);
  QByteArray temporary = folder + (folder.endsWith('/') ? "" : "/") + ".fillpack-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return reason(errno);
  int error = writeAll(fd, contents);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.constData());
  return error == 0 ? QString() : reason(error);
}

}  // namespace platform
