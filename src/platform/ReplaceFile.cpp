// No fsync: a batch writes thousands of lists, and a sync each costs more than all the
// rest of the work. The rename alone already keeps a crash of the program from leaving a
// half-written list; replacing by rename is also what file systems guard on power loss.
#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileNames.h"
#include "platform/FileWrite.h"

namespace platform {

QString replaceFile(const QString& path, const QByteArray& contents) {
  const QByteArray target = encodeFileName(path);
  struct stat old {};
  bool exists = false;
  if (const int refusal = replaceRefusal(target, old, exists)) return systemReason(refusal);
  // Set-user-ID, set-group-ID, sticky and execute bits of the old file are never carried over.
  const mode_t mode = exists ? (old.st_mode & 0666) : (0666 & ~currentUmask());

  QByteArray temporary;
  const int fd = temporaryBeside(target, ".fillpack-", temporary);
  if (fd < 0) return systemReason(errno);
  int error = writeAll(fd, contents.constData(), contents.size());
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.constData());
  return error == 0 ? QString() : systemReason(error);
}

}  // namespace platform
