// Large chunks, so the copy can stop between them and report progress, each moved by
// copy_file_range where the file systems allow it (no trip through our memory, and a
// shared extent where the file system can share one), else by read and write.
#include "platform/CopyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/FileNames.h"
#include "platform/FileWrite.h"

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

}  // namespace

bool sameFile(const QString& first, const QString& second) {
  struct stat a {}, b {};
  return ::stat(encodeFileName(first).constData(), &a) == 0 && ::stat(encodeFileName(second).constData(), &b) == 0 &&
         sameStat(a, b);
}

CopyResult copyFile(const QString& source, const QString& destination,
                    const std::function<bool(qint64)>& afterChunk, qint64 chunkBytes, CopyMethod method) {
  const QByteArray target = encodeFileName(destination);
  Descriptor in{::open(encodeFileName(source).constData(), O_RDONLY | O_CLOEXEC)};
  struct stat from {};
  if (in.fd < 0 || ::fstat(in.fd, &from) != 0) return {CopyOutcome::SourceFailed, errno};
  struct stat old {};
  bool exists = false;
  if (const int refusal = replaceRefusal(target, old, exists)) {
    // A file without write permission may still be the source itself.
    return {exists && sameStat(from, old) ? CopyOutcome::SameFile : CopyOutcome::TargetFailed, refusal};
  }
  if (exists && sameStat(from, old)) return {CopyOutcome::SameFile, 0};
  ::posix_fadvise(in.fd, 0, 0, POSIX_FADV_SEQUENTIAL);

  QByteArray temporary;
  Descriptor out{temporaryBeside(target, ".fillpack-copy-", temporary)};
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
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
    if (error != 0) result = {CopyOutcome::TargetFailed, error};
  }
  if (result.outcome != CopyOutcome::Copied) {
    if (out.fd >= 0) out.close();
    ::unlink(temporary.constData());
  }
  return result;
}

}  // namespace platform
