// Paths of any length. The kernel refuses a path of PATH_MAX bytes or more, yet a deep
// tree holds files below that depth; such a path is opened piece by piece, each piece
// relative to the folder the one before it opened. A shorter path goes straight to the
// kernel, exactly as before.
#pragma once

#include <sys/stat.h>

#include <QByteArray>

namespace platform {

// An open file descriptor, closed when the handle goes.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle();
  FileHandle(FileHandle&& other) noexcept : fd_(other.release()) {}
  FileHandle& operator=(FileHandle&& other) noexcept;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  // Hands the descriptor over to the caller.
  int release();

 private:
  int fd_ = -1;
};

// open(2) for a path of any length; not open when it fails (errno tells why).
FileHandle openAnyLength(const QByteArray& path, int flags);

// stat(2), or with AT_SYMLINK_NOFOLLOW in `flags` lstat(2), for a path of any length.
bool statAnyLength(const QByteArray& path, struct stat& st, int flags = 0);

}  // namespace platform
