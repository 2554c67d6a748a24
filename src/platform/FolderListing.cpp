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
#include "platform/LongPaths.h"

namespace platform {
namespace {

// Owns an open folder stream.
class FolderStream {
 public:
  explicit FolderStream(const QString& folder) {
    FileHandle handle = openAnyLength(encodeFileName(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (!handle.isOpen()) return;
    dir_ = ::fdopendir(handle.fd());
    if (dir_) handle.release();  // the stream owns it now
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

// Sorts by listingOrder, folding each name once instead of at every comparison.
template <class T, class Name>
void sortInListingOrder(std::vector<T>& items, Name nameOf) {
  std::vector<std::pair<QString, size_t>> keys;
  keys.reserve(items.size());
  for (size_t i = 0; i < items.size(); ++i) keys.emplace_back(nameOf(items[i]).toCaseFolded(), i);
  std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    return nameOf(items[a.second]) < nameOf(items[b.second]);
  });
  std::vector<T> sorted;
  sorted.reserve(items.size());
  for (const auto& key : keys) sorted.push_back(std::move(items[key.second]));
  items = std::move(sorted);
}

bool isDotOrDotDot(const char* n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

}  // namespace

bool listingOrder(const QString& a, const QString& b) {
  const QString foldedA = a.toCaseFolded(), foldedB = b.toCaseFolded();
  if (foldedA != foldedB) return foldedA < foldedB;
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
  sortInListingOrder(files, [](const ListedFile& f) -> const QString& { return f.name; });
  return files;
}

std::optional<Subfolders> listSubfolders(const QString& folder, EventPump& pump) {
  FolderStream stream(folder);
  if (!stream.isOpen()) return std::nullopt;
  struct stat self {};
  if (::fstat(stream.fd(), &self) != 0) return std::nullopt;
  std::vector<QString> folders;
  while (const dirent* e = stream.next()) {
    pump.pump();
    if (isDotOrDotDot(e->d_name)) continue;
    bool dir = e->d_type == DT_DIR;
    if (e->d_type == DT_UNKNOWN) {
      struct stat st {};
      dir = ::fstatat(stream.fd(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
    }
    if (dir) folders.push_back(decodeFileName(e->d_name, qsizetype(std::strlen(e->d_name))));
  }
  sortInListingOrder(folders, [](const QString& f) -> const QString& { return f; });
  return Subfolders{QStringList(folders.begin(), folders.end()), {quint64(self.st_dev), quint64(self.st_ino)}};
}

bool isFolder(const QString& path) {
  struct stat st {};
  return statAnyLength(encodeFileName(path), st) && S_ISDIR(st.st_mode);
}

std::optional<qint64> fileSize(const QString& path) {
  struct stat st {};
  if (!statAnyLength(encodeFileName(path), st)) return std::nullopt;
  return qint64(st.st_size);
}

}  // namespace platform
