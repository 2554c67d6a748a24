// POSIX calls, so that names with any bytes, special files and paths longer than PATH_MAX
// can be made and removed: everything below the root is reached through folder handles.
#include "support/TempTree.h"

#include <QDir>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/FileNames.h"

namespace testing_support {

using platform::FileHandle;

namespace {

FileHandle openFolderAt(int folder, const char* name, int flags = O_NOFOLLOW) {
  return FileHandle(::openat(folder, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | flags));
}

void require(bool done, const char* what) {
  if (!done) throw std::runtime_error(what);
}

// The open folder that holds `relative` below `root`, made a folder at a time so that no
// path needs to be shorter than PATH_MAX, and the last name of `relative`.
std::pair<FileHandle, QByteArray> placeOf(const QString& root, const QString& relative) {
  QList<QByteArray> names = platform::encodeFileName(relative).split('/');
  const QByteArray last = names.takeLast();
  FileHandle folder = openFolderAt(AT_FDCWD, platform::encodeFileName(root).constData());
  for (const QByteArray& name : names) {
    if (name.isEmpty()) continue;
    ::mkdirat(folder.fd(), name.constData(), 0755);
    folder = openFolderAt(folder.fd(), name.constData(), 0);
    require(folder.isOpen(), "cannot make a folder");
  }
  return {std::move(folder), last};
}

void makeFileAt(int folder, const QByteArray& name, qint64 size) {
  const int fd = ::openat(folder, name.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
  require(fd >= 0, "cannot make a file");
  const int rc = ::ftruncate(fd, off_t(size));
  ::close(fd);
  require(rc == 0, "cannot size a file");
}

// Empties the open folder depth first, with one folder open at a time however deep the
// tree: `folder` moves down into each subfolder and back up through "..". Failures are
// ignored, so that one does not stop the rest.
void empty(FileHandle& folder) {
  std::vector<QByteArray> names;
  if (DIR* stream = ::fdopendir(::dup(folder.fd()))) {
    while (const dirent* e = ::readdir(stream))
      if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0) names.emplace_back(e->d_name);
    ::closedir(stream);
  }
  for (const QByteArray& name : names) {
    if (::unlinkat(folder.fd(), name.constData(), 0) == 0) continue;  // all but folders
    ::fchmodat(folder.fd(), name.constData(), 0700, 0);
    FileHandle below = openFolderAt(folder.fd(), name.constData());
    if (!below.isOpen()) continue;
    folder = std::move(below);
    empty(folder);
    folder = openFolderAt(folder.fd(), "..");
    ::unlinkat(folder.fd(), name.constData(), AT_REMOVEDIR);
  }
}

}  // namespace

TempTree::TempTree() { require(dir_.isValid(), "cannot make a temporary folder"); }

TempTree::TempTree(const QString& base)
    : dir_((QFileInfo(base).isDir() ? base : QDir::tempPath()) + QStringLiteral("/fillpack-test-XXXXXX")) {
  require(dir_.isValid(), "cannot make a temporary folder");
}

// Qt's own removal can name neither files whose names are not valid UTF-8 nor paths past
// PATH_MAX, so the tree is emptied before QTemporaryDir removes its root.
TempTree::~TempTree() {
  const QByteArray top = platform::encodeFileName(root());
  ::chmod(top.constData(), 0700);
  FileHandle folder = openFolderAt(AT_FDCWD, top.constData());
  if (folder.isOpen()) empty(folder);
}

void TempTree::folder(const QString& relative) { placeOf(root(), relative + QStringLiteral("/.")); }

void TempTree::file(const QString& relative, qint64 size) {
  const auto [folder, name] = placeOf(root(), relative);
  makeFileAt(folder.fd(), name, size);
}

QString TempTree::rawFile(const QString& folderRelative, const QByteArray& name, qint64 size) {
  makeFileAt(placeOf(root(), folderRelative + QStringLiteral("/.")).first.fd(), name, size);
  return platform::decodeFileName(platform::encodeFileName(path(folderRelative)) + '/' + name);
}

void TempTree::symlink(const QString& target, const QString& relative) {
  const auto [folder, name] = placeOf(root(), relative);
  require(::symlinkat(platform::encodeFileName(target).constData(), folder.fd(), name.constData()) == 0, "cannot link");
}

void TempTree::fifo(const QString& relative) {
  const auto [folder, name] = placeOf(root(), relative);
  require(::mkfifoat(folder.fd(), name.constData(), 0644) == 0, "cannot make a fifo");
}

void TempTree::lock(const QString& relative) { ::chmod(platform::encodeFileName(path(relative)).constData(), 0); }

QString TempTree::chain(const QString& relative, const QString& folderName, int levels, const QString& fileName) {
  FileHandle folder = placeOf(root(), relative + QStringLiteral("/.")).first;
  const QByteArray name = platform::encodeFileName(folderName), file = platform::encodeFileName(fileName);
  QString deepest = relative.isEmpty() ? root() : path(relative);
  for (int level = 0; level < levels; ++level) {
    require(::mkdirat(folder.fd(), name.constData(), 0755) == 0, "cannot make a deep folder");
    folder = openFolderAt(folder.fd(), name.constData());
    require(folder.isOpen(), "cannot open a deep folder");
    makeFileAt(folder.fd(), file, 0);
    deepest += u'/' + folderName;
  }
  return deepest;
}

}  // namespace testing_support
