// POSIX calls, so that names with any bytes and special files can be made.
#include "support/TempTree.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <stdexcept>

#include "platform/FileNames.h"

namespace testing_support {

TempTree::TempTree() {
  if (!dir_.isValid()) throw std::runtime_error("cannot make a temporary folder");
}

TempTree::~TempTree() {
  for (const QString& p : locked_) ::chmod(platform::encodeFileName(p).constData(), 0755);
  // Qt's own removal cannot name files whose names are not valid UTF-8; remove by bytes.
  // Each removal's outcome is ignored, so that one failure does not stop the rest.
  ::nftw(platform::encodeFileName(root()).constData(),
         [](const char* path, const struct stat*, int, struct FTW*) { return ::remove(path), 0; }, 16,
         FTW_DEPTH | FTW_PHYS);
}

void TempTree::folder(const QString& relative) { QDir().mkpath(path(relative)); }

static void makeFile(const QByteArray& path, qint64 size) {
  const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot make " + path.toStdString());
  const int rc = ::ftruncate(fd, off_t(size));
  ::close(fd);
  if (rc != 0) throw std::runtime_error("cannot size " + path.toStdString());
}

void TempTree::file(const QString& relative, qint64 size) {
  const QString full = path(relative);
  QDir().mkpath(full.left(full.lastIndexOf(u'/')));
  makeFile(platform::encodeFileName(full), size);
}

QString TempTree::rawFile(const QString& folderRelative, const QByteArray& name, qint64 size) {
  folder(folderRelative);
  const QByteArray full = platform::encodeFileName(path(folderRelative)) + '/' + name;
  makeFile(full, size);
  return platform::decodeFileName(full);
}

void TempTree::symlink(const QString& target, const QString& relative) {
  if (::symlink(platform::encodeFileName(target).constData(), platform::encodeFileName(path(relative)).constData()) != 0)
    throw std::runtime_error("cannot make a link");
}

void TempTree::fifo(const QString& relative) {
  if (::mkfifo(platform::encodeFileName(path(relative)).constData(), 0644) != 0)
    throw std::runtime_error("cannot make a fifo");
}

void TempTree::lock(const QString& relative) {
  const QString full = path(relative);
  ::chmod(platform::encodeFileName(full).constData(), 0);
  locked_.append(full);
}

}  // namespace testing_support
