// Large chunks, so the copy can stop between them and report progress, each moved by
// copy_file_range where the file systems allow it (no trip through our memory, and a
// shared extent where the file system can share one), else by read and write. The
// destination is named relative to an open folder, so the caller decides how that folder
// was reached and nothing here follows a link to find it.
#include "platform/CopyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/FileNames.h"
#include "platform/FileWrite.h"
#include "platform/LongPaths.h"

namespace platform {

namespace {

// Closes a descriptor at the end of its scope.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  // The error of closing it now, 0 when it closed cleanly.
  int close() {
    const int result = ::close(fd);
    fd = -1;
    return result == 0 ? 0 : errno;
  }
};

ssize_t readSome(int fd, char* buffer, qint64 size) {
  for (;;) {
    const ssize_t n = ::read(fd, buffer, size_t(size));
    if (n >= 0 || errno != EINTR) return n;
  }
}

// Whether copy_file_range cannot be used between these two files at all.
bool kernelCopyUnsupported(int error) {
  return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == ETXTBSY;
}

// Errors of copy_file_range that are the destination's.
bool writeSideError(int error) {
  return error == ENOSPC || error == EFBIG || error == EDQUOT || error == EROFS || error == EIO;
}

// Moves up to `size` bytes from `in` to `out`: the count moved (0 at the end of the
// source) or an outcome with its error. Falls back for good to read and write when the
// kernel cannot copy between the two.
struct Chunk {
  qint64 moved = 0;
  CopyResult failure;
};

Chunk moveChunk(int in, int out, std::unique_ptr<char[]>& buffer, qint64 size, CopyMethod& method) {
  if (method == CopyMethod::Kernel) {
    for (;;) {
      const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(size), 0);
      if (n >= 0) return {n, {}};
      if (errno == EINTR) continue;
      if (kernelCopyUnsupported(errno)) break;
      const int error = errno;
      return {-1, {writeSideError(error) ? CopyOutcome::TargetFailed : CopyOutcome::SourceFailed, error}};
    }
    method = CopyMethod::ReadWrite;
  }
  if (!buffer) buffer = std::make_unique_for_overwrite<char[]>(size_t(size));
  const ssize_t n = readSome(in, buffer.get(), size);
  if (n < 0) return {-1, {CopyOutcome::SourceFailed, errno}};
  if (const int error = writeAll(out, buffer.get(), n)) return {-1, {CopyOutcome::TargetFailed, error}};
  return {n, {}};
}

bool sameStat(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Opens the source when it is a regular file, links followed. The status is asked first,
// so a device is never opened; O_NONBLOCK keeps a FIFO that has taken the file's place
// meanwhile from holding the open until some writer comes, and is cleared once the handle
// is known to be a regular file.
CopyResult openSource(const QString& source, Descriptor& in, struct stat& from) {
  const QByteArray path = encodeFileName(source);
  if (!statAnyLength(path, from)) return {CopyOutcome::SourceFailed, errno};
  if (!S_ISREG(from.st_mode)) return {CopyOutcome::SourceNotAFile, 0};
  in.fd = openAnyLength(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC).release();
  if (in.fd < 0 || ::fstat(in.fd, &from) != 0) return {CopyOutcome::SourceFailed, errno};
  if (!S_ISREG(from.st_mode)) return {CopyOutcome::SourceNotAFile, 0};
  const int flags = ::fcntl(in.fd, F_GETFL);
  if (flags < 0 || ::fcntl(in.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return {CopyOutcome::SourceFailed, errno};
  return {};
}

// Whether the file `name` in `folder` may be replaced by a copy of `from`. A link is
// replaced itself; a regular file only when the user may write it, and one without any
// write bit never, even by root; anything else never.
CopyResult destinationRefusal(int folder, const QByteArray& name, const struct stat& from) {
  struct stat old {};
  if (::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT ? CopyResult{} : CopyResult{CopyOutcome::TargetFailed, errno};
  if (S_ISLNK(old.st_mode)) return {};
  if (!S_ISREG(old.st_mode)) return {CopyOutcome::TargetNotAFile, 0};
  // A file without write permission may still be the source itself.
  if (sameStat(from, old)) return {CopyOutcome::SameFile, 0};
  if (const int refusal = replaceRefusal(folder, name, old)) return {CopyOutcome::TargetFailed, refusal};
  return {};
}

}  // namespace

bool sameFile(const QString& first, const QString& second) {
  struct stat a {}, b {};
  return ::stat(encodeFileName(first).constData(), &a) == 0 && ::stat(encodeFileName(second).constData(), &b) == 0 &&
         sameStat(a, b);
}

CopyResult copyFile(const QString& source, const QString& destination,
                    const std::function<bool(qint64)>& afterChunk, qint64 chunkBytes, CopyMethod method) {
  const QByteArray target = encodeFileName(destination);
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash == 0 ? 1 : slash);
  const FileHandle at = openAnyLength(folder, O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (!at.isOpen()) return {CopyOutcome::TargetFailed, errno};
  return copyFile(source, at.fd(), target.mid(slash + 1), afterChunk, chunkBytes, method);
}

CopyResult copyFile(const QString& source, int folder, const QByteArray& name,
                    const std::function<bool(qint64)>& afterChunk, qint64 chunkBytes, CopyMethod method) {
  Descriptor in;
  struct stat from {};
  if (const CopyResult opened = openSource(source, in, from); opened.outcome != CopyOutcome::Copied) return opened;
  if (const CopyResult refused = destinationRefusal(folder, name, from); refused.outcome != CopyOutcome::Copied)
    return refused;
  ::posix_fadvise(in.fd, 0, 0, POSIX_FADV_SEQUENTIAL);

  QByteArray temporary;
  Descriptor out{temporaryIn(folder, ".fillpack-copy-", temporary)};
  if (out.fd < 0) return {CopyOutcome::TargetFailed, errno};
  std::unique_ptr<char[]> buffer;  // only for read and write
  CopyResult result;
  qint64 copied = 0;
  for (;;) {
    const Chunk chunk = moveChunk(in.fd, out.fd, buffer, chunkBytes, method);
    if (chunk.moved < 0) {
      result = chunk.failure;
      break;
    }
    if (chunk.moved == 0) break;
    copied += chunk.moved;
    if (afterChunk && !afterChunk(copied)) {
      result = {CopyOutcome::Stopped, 0};
      break;
    }
  }
  if (result.outcome == CopyOutcome::Copied) {
    const struct timespec times[2] = {from.st_atim, from.st_mtim};
    int error = ::fchmod(out.fd, from.st_mode & 0777 & ~currentUmask()) != 0 ? errno : 0;
    if (error == 0 && ::futimens(out.fd, times) != 0) error = errno;
    if (const int closing = out.close(); error == 0) error = closing;
    if (error == 0 && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0) error = errno;
    if (error != 0) result = {CopyOutcome::TargetFailed, error};
  }
  if (result.outcome != CopyOutcome::Copied) {
    if (out.fd >= 0) out.close();
    ::unlinkat(folder, temporary.constData(), 0);
  }
  return result;
}

}  // namespace platform
