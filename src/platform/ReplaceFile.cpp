// No fsync: a batch writes thousands of lists, and a sync each costs more than all the
// rest of the work. The rename alone already keeps a crash of the program from leaving a
// half-written list; replacing by rename is also what file systems guard on power loss.
//
// A name that is a symbolic link (as dotfile managers make them) is followed, so the file
// it leads to is updated and the link stays a link. What the link leads to must be a
// regular file or nothing yet: renaming over a device or a pipe would put a plain file in
// its place for every other user of it, so anything else is refused before a byte is written.
#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileNames.h"
#include "platform/FileWrite.h"
#include "platform/MessageTexts.h"

namespace platform {

namespace {

// As many links in a row as the kernel follows before it gives up with ELOOP.
constexpr int maxLinks = 40;

// Turns `path` into the name that the links starting at it end in (the path itself when it
// is no link); 0, or the error that stopped the walk. `st` gets the status of what the
// name ends in and `exists` whether there is anything, so that no one looks again.
int followLinks(QByteArray& path, struct stat& st, bool& exists) {
  for (int hops = 0;; ++hops) {
    exists = ::lstat(path.constData(), &st) == 0;
    if (!exists || !S_ISLNK(st.st_mode)) return 0;
    if (hops == maxLinks) return ELOOP;
    QByteArray target(qMax(qsizetype(st.st_size), qsizetype(64)) + 1, Qt::Uninitialized);
    ssize_t n = 0;
    while ((n = ::readlink(path.constData(), target.data(), size_t(target.size()))) == target.size())
      target.resize(2 * target.size());  // the link changed since it was measured
    if (n < 0) return errno;
    target.truncate(n);
    // A relative target is taken from the link's own folder.
    const qsizetype slash = path.lastIndexOf('/');
    if (!target.startsWith('/') && slash >= 0) target.prepend(path.left(slash + 1));
    path = target;
  }
}

}  // namespace

QString replaceFile(const QString& path, const QByteArray& contents) {
  QByteArray target = encodeFileName(path);
  struct stat old {};
  bool exists = false;
  if (const int error = followLinks(target, old, exists)) return systemReason(error);
  if (exists && !S_ISREG(old.st_mode))
    return S_ISDIR(old.st_mode) ? systemReason(EISDIR) : platform::text(platform::Msg::NotRegularFile);
  if (const int refusal = exists ? replaceRefusal(AT_FDCWD, target, old) : 0) return systemReason(refusal);
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
