// POSIX calls, so that names with any bytes, special files and paths longer than PATH_MAX
// can be made and removed: everything below the root is reached through folder handles.
#include "support/TempTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

#include "platform/FileNames.h"
#include "platform/LongPaths.h"

namespace testing_support {

using platform::FileHandle;

namespace {

FileHandle openFolderAt(int folder, const char* name, int flags = O_NOFOLLOW) {
  return FileHandle(::openat(folder, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | flags));
}

// Opens the folder `relative` below `root`, making the folders on the way one at a time,
// so that neither path needs to be shorter than PATH_MAX.
FileHandle makeFolders(const QByteArray& root, const QByteArray& relative) {
  FileHandle folder = openFolderAt(AT_FDCWD, root.constData());
  for (const QByteArray& name : relative.split('/')) {
    if (name.isEmpty()) continue;
    ::mkdirat(folder.fd(), name.constData(), 0755);
    folder = openFolderAt(folder.fd(), name.constData(), 0);
    if (!folder.isOpen()) throw std::runtime_error("cannot make the folder " + relative.toStdString());
  }
  return folder;
}

void makeFileAt(int folder, const QByteArray& name, qint64 size) {
  const int fd = ::openat(folder, name.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot make " + name.toStdString());
  const int rc = ::ftruncate(fd, off_t(size));
  ::close(fd);
  if (rc != 0) throw std::runtime_error("cannot size " + name.toStdString());
}

// Removes every entry of the open folder that is not a folder and returns the names of
// its subfolders, each made accessible for its own removal.
std::vector<QByteArray> clearFiles(const FileHandle& folder) {
  std::vector<QByteArray> subfolders;
  DIR* stream = ::fdopendir(::dup(folder.fd()));
  if (!stream) return subfolders;
  while (const dirent* e = ::readdir(stream)) {
    const QByteArray name(e->d_name);
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (::fstatat(folder.fd(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
      ::fchmodat(folder.fd(), e->d_name, 0700, 0);
      subfolders.push_back(name);
    } else {
      ::unlinkat(folder.fd(), e->d_name, 0);
    }
  }
  ::closedir(stream);
  return subfolders;
}

// Depth-first with one open folder at a time: the way back up is "..", and each level
// keeps only the names of the subfolders still to remove. Each removal's outcome is
// ignored, so that one failure does not stop the rest.
void removeTree(const QByteArray& root) {
  ::chmod(root.constData(), 0700);
  FileHandle folder = openFolderAt(AT_FDCWD, root.constData());
  if (!folder.isOpen()) return;
  std::vector<std::vector<QByteArray>> pending{clearFiles(folder)};
  std::vector<QByteArray> entered;
  while (true) {
    std::vector<QByteArray>& here = pending.back();
    if (!here.empty()) {
      FileHandle below = openFolderAt(folder.fd(), here.back().constData());
      entered.push_back(here.back());
      here.pop_back();
      if (!below.isOpen()) {
        entered.pop_back();
        continue;
      }
      folder = std::move(below);
      pending.push_back(clearFiles(folder));
      continue;
    }
    pending.pop_back();
    if (entered.empty()) break;
    folder = openFolderAt(folder.fd(), "..");
    if (!folder.isOpen()) return;
    ::unlinkat(folder.fd(), entered.back().constData(), AT_REMOVEDIR);
    entered.pop_back();
  }
  ::rmdir(root.constData());
}

}  // namespace

TempTree::TempTree() {
  if (!dir_.isValid()) throw std::runtime_error("cannot make a temporary folder");
}

// Qt's own removal can name neither files whose names are not valid UTF-8 nor paths past
// PATH_MAX, so the tree goes before QTemporaryDir looks at it.
TempTree::~TempTree() { removeTree(rootBytes()); }

QByteArray TempTree::rootBytes() const { return platform::encodeFileName(root()); }

void TempTree::folder(const QString& relative) { makeFolders(rootBytes(), platform::encodeFileName(relative)); }

TempTree::Place TempTree::placeOf(const QString& relative) const {
  const QByteArray bytes = platform::encodeFileName(relative);
  const qsizetype slash = bytes.lastIndexOf('/');
  return {makeFolders(rootBytes(), bytes.left(slash < 0 ? 0 : slash)), bytes.mid(slash + 1)};
}

void TempTree::file(const QString& relative, qint64 size) {
  const Place place = placeOf(relative);
  makeFileAt(place.folder.fd(), place.name, size);
}

QString TempTree::rawFile(const QString& folderRelative, const QByteArray& name, qint64 size) {
  const QByteArray folderBytes = platform::encodeFileName(folderRelative);
  makeFileAt(makeFolders(rootBytes(), folderBytes).fd(), name, size);
  return platform::decodeFileName(platform::encodeFileName(path(folderRelative)) + '/' + name);
}

void TempTree::symlink(const QString& target, const QString& relative) {
  const Place place = placeOf(relative);
  if (::symlinkat(platform::encodeFileName(target).constData(), place.folder.fd(), place.name.constData()) != 0)
    throw std::runtime_error("cannot make a link");
}

void TempTree::fifo(const QString& relative) {
  const Place place = placeOf(relative);
  if (::mkfifoat(place.folder.fd(), place.name.constData(), 0644) != 0) throw std::runtime_error("cannot make a fifo");
}

void TempTree::lock(const QString& relative) { ::chmod(platform::encodeFileName(path(relative)).constData(), 0); }

QString TempTree::chain(const QString& relative, const QString& folderName, int levels, const QString& fileName) {
  FileHandle folder = makeFolders(rootBytes(), platform::encodeFileName(relative));
  const QByteArray name = platform::encodeFileName(folderName), file = platform::encodeFileName(fileName);
  QString deepest = relative.isEmpty() ? root() : path(relative);
  for (int level = 0; level < levels; ++level) {
    if (::mkdirat(folder.fd(), name.constData(), 0755) != 0) throw std::runtime_error("cannot make a deep folder");
    folder = openFolderAt(folder.fd(), name.constData());
    if (!folder.isOpen()) throw std::runtime_error("cannot open a deep folder");
    makeFileAt(folder.fd(), file, 0);
    deepest += u'/' + folderName;
  }
  return deepest;
}

}  // namespace testing_support
