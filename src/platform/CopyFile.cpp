// Plain read and write in large chunks: they stop between chunks, report progress and keep
// going across file systems, and at these sizes they run at the speed of the disk.
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

bool sameStat(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

bool sameFile(const QString& first, const QString& second) {
  struct stat a {}, b {};
  return ::stat(encodeFileName(first).constData(), &a) == 0 && ::stat(encodeFileName(second).constData(), &b) == 0 &&
         sameStat(a, b);
}

CopyResult copyFile(const QString& source, const QString& destination,
                    const std::function<bool(qint64)>& afterChunk, qint64 chunkBytes) {
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
  const auto buffer = std::make_unique_for_overwrite<char[]>(size_t(chunkBytes));
  CopyResult result;
  qint64 copied = 0;
  for (;;) {
    const ssize_t n = readSome(in.fd, buffer.get(), chunkBytes);
    if (n < 0) {
      result = {CopyOutcome::SourceFailed, errno};
      break;
    }
    if (n == 0) break;
    if (const int error = writeAll(out.fd, buffer.get(), n)) {
      result = {CopyOutcome::TargetFailed, error};
      break;
    }
    copied += n;
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
