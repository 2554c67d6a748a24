// A long path is cut at a "/" into pieces shorter than PATH_MAX; only one intermediate
// folder handle is open at a time, so depth never costs descriptors.
#include "platform/LongPaths.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>

namespace platform {

FileHandle::~FileHandle() {
  if (fd_ >= 0) ::close(fd_);
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

int FileHandle::release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

namespace {

// The folder that holds the last piece of a long path, and that piece.
struct LastPiece {
  FileHandle folder;
  QByteArray name;
};

// Walks the pieces of `path` (PATH_MAX bytes or more) up to its last one. The folder is
// not open when a piece on the way cannot be opened or no "/" ends a piece in time.
LastPiece reachLastPiece(const QByteArray& path) {
  LastPiece reached;
  qsizetype start = 0;
  while (path.size() - start >= PATH_MAX) {
    // The piece runs up to and including a "/", at most PATH_MAX - 1 bytes in all.
    const qsizetype slash = path.lastIndexOf('/', start + PATH_MAX - 2);
    if (slash < start) {
      reached.folder = FileHandle();
      errno = ENAMETOOLONG;
      return reached;
    }
    const QByteArray piece = path.mid(start, slash - start + 1);
    const int base = reached.folder.isOpen() ? reached.folder.fd() : AT_FDCWD;
    FileHandle next(::openat(base, piece.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!next.isOpen()) {
      reached.folder = FileHandle();
      return reached;
    }
    reached.folder = std::move(next);
    start = slash + 1;
  }
  reached.name = start < path.size() ? path.mid(start) : QByteArrayLiteral(".");
  return reached;
}

}  // namespace

FileHandle openAnyLength(const QByteArray& path, int flags) {
  if (path.size() < PATH_MAX) return FileHandle(::open(path.constData(), flags));
  const LastPiece last = reachLastPiece(path);
  if (!last.folder.isOpen()) return FileHandle();
  return FileHandle(::openat(last.folder.fd(), last.name.constData(), flags));
}

bool statAnyLength(const QByteArray& path, struct stat& st, int flags) {
  if (path.size() < PATH_MAX) return ::fstatat(AT_FDCWD, path.constData(), &st, flags) == 0;
  const LastPiece last = reachLastPiece(path);
  return last.folder.isOpen() && ::fstatat(last.folder.fd(), last.name.constData(), &st, flags) == 0;
}

}  // namespace platform
