// Kept free of Qt's file classes: the callers work on raw name bytes, which must reach the
// system unchanged. The newest temporary file is published for the signal handler by its
// folder, name and identity: the handler removes it only while the name still stands for
// that very file, never one that took its name after it was renamed or removed.
#include "platform/FileWrite.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/StopSignals.h"

namespace platform {

namespace {

struct Newest {
  int folder = AT_FDCWD;  // a copy of the folder handle it was made in, or the working folder
  char path[PATH_MAX] = {};
  dev_t device = 0;
  ino_t inode = 0;
};
Newest newest;
// Cleared while `newest` is rewritten, so that a handler on another thread never reads it half done.
std::atomic<bool> newestKnown{false};
static_assert(std::atomic<bool>::is_always_lock_free, "read inside a signal handler");

// `folder` is AT_FDCWD for a path, or a folder handle the file's name is relative to.
void publishNewest(int folder, const QByteArray& temporary, int fd) {
  newestKnown = false;
  if (newest.folder != AT_FDCWD) ::close(newest.folder);
  newest.folder = AT_FDCWD;
  struct stat made {};
  if (temporary.size() >= qsizetype(sizeof newest.path) || ::fstat(fd, &made) != 0) return;
  if (folder != AT_FDCWD && (newest.folder = ::fcntl(folder, F_DUPFD_CLOEXEC, 0)) < 0) {
    newest.folder = AT_FDCWD;
    return;
  }
  std::memcpy(newest.path, temporary.constData(), size_t(temporary.size()) + 1);
  newest.device = made.st_dev;
  newest.inode = made.st_ino;
  newestKnown = true;
}

}  // namespace

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

int replaceRefusal(int folder, const QByteArray& name, const struct stat& old) {
  if (::faccessat(folder, name.constData(), W_OK, 0) != 0) return errno;
  if ((old.st_mode & 0222) == 0) return EACCES;
  return 0;
}

int temporaryBeside(const QByteArray& target, const char* prefix, QByteArray& temporary) {
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash == 0 ? 1 : slash);
  temporary = folder + (folder.endsWith('/') ? "" : "/") + prefix + "XXXXXX";
  // A second signal between the file's making and its publishing would leave it behind.
  const StopSignalsHeld held;
  const int fd = ::mkstemp(temporary.data());
  if (fd >= 0) publishNewest(AT_FDCWD, temporary, fd);
  return fd;
}

int temporaryIn(int folder, const char* prefix, QByteArray& temporary) {
  static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  const StopSignalsHeld held;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = prefix;
    for (int i = 0; i < 6; ++i) temporary += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    const int fd = ::openat(folder, temporary.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) publishNewest(folder, temporary, fd);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void removeNewestTemporary() {
  if (!newestKnown) return;
  const int savedErrno = errno;
  struct stat now {};
  if (::fstatat(newest.folder, newest.path, &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == newest.device &&
      now.st_ino == newest.inode)
    ::unlinkat(newest.folder, newest.path, 0);
  errno = savedErrno;
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace platform
