// No fsync: a batch writes thousands of lists, and a sync each costs more than all the
// rest of the work. The rename alone already keeps a crash of the program from leaving a
// half-written list; replacing by rename is also what file systems guard on power loss.
#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/FileNames.h"

namespace platform {

namespace {

bool writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, size_t(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    left -= n;
  }
  return true;
}

mode_t newFileMode(const QByteArray& target) {
  struct stat st {};
  if (::stat(target.constData(), &st) == 0) return st.st_mode & 07777;  // keep what the old file had
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool replaceFile(const QString& path, const QByteArray& contents) {
  const QByteArray target = encodeFileName(path);
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash == 0 ? 1 : slash);
  QByteArray temporary = folder + (folder.endsWith('/') ? "" : "/") + ".fillpack-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = writeAll(fd, contents) && ::fchmod(fd, newFileMode(target)) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
  if (!ok) ::unlink(temporary.constData());
  return ok;
}

}  // namespace platform
