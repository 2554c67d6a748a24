// POSIX folder reading with openat/fstatat: one stat per candidate file, none for folders
// whose entry type the file system already tells.
#include "platform/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/FileNames.h"

namespace platform {
namespace {

// Owns an open folder stream.
class FolderStream {
 public:
  explicit FolderStream(const QString& folder) {
    const QByteArray path = encodeFileName(folder);
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    dir_ = ::fdopendir(fd);
    if (!dir_) ::close(fd);
  }
  ~FolderStream() {
    if (dir_) ::closedir(dir_);
  }
  FolderStream(const FolderStream&) = delete;
  FolderStream& operator=(const FolderStream&) = delete;

  bool isOpen() const { return dir_ != nullptr; }
  int fd() const { return ::dirfd(dir_); }
  const dirent* next() { return ::readdir(dir_); }

 private:
  DIR* dir_ = nullptr;
};

bool isDotOrDotDot(const char* n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

}  // namespace

bool listingOrder(const QString& a, const QString& b) {
  const int c = QString::compare(a, b, Qt::CaseInsensitive);
  if (c != 0) return c < 0;
  return a < b;
}

std::optional<std::vector<ListedFile>> listFiles(const QString& folder,
                                                 const std::function<bool(const QString&)>& accept,
                                                 EventPump& pump) {
  FolderStream stream(folder);
  if (!stream.isOpen()) return std::nullopt;
  std::vector<ListedFile> files;
  while (const dirent* e = stream.next()) {
    pump.pump();
    if (e->d_name[0] == '.') continue;  // hidden files are never listed
    if (e->d_type != DT_REG && e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) continue;
    QString name = decodeFileName(e->d_name, qsizetype(std::strlen(e->d_name)));
    if (accept && !accept(name)) continue;
    struct stat st {};
    // Follows a link, so a link to a regular file counts as that file; a dangling link fails.
    if (::fstatat(stream.fd(), e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
    files.push_back({std::move(name), qint64(st.st_size)});
  }
  std::sort(files.begin(), files.end(),
            [](const ListedFile& a, const ListedFile& b) { return listingOrder(a.name, b.name); });
  return files;
}

std::optional<QStringList> listSubfolders(const QString& folder, EventPump& pump) {
  FolderStream stream(folder);
  if (!stream.isOpen()) return std::nullopt;
  QStringList folders;
  while (const dirent* e = stream.next()) {
    pump.pump();
    if (isDotOrDotDot(e->d_name)) continue;
    bool dir = e->d_type == DT_DIR;
    if (e->d_type == DT_UNKNOWN) {
      struct stat st {};
      dir = ::fstatat(stream.fd(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
    }
    if (dir) folders.append(decodeFileName(e->d_name, qsizetype(std::strlen(e->d_name))));
  }
  std::sort(folders.begin(), folders.end(), listingOrder);
  return folders;
}

bool isFolder(const QString& path) {
  struct stat st {};
  return ::stat(encodeFileName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<qint64> fileSize(const QString& path) {
  struct stat st {};
  if (::stat(encodeFileName(path).constData(), &st) != 0) return std::nullopt;
  return qint64(st.st_size);
}

}  // namespace platform
