// POSIX folder reading with openat/fstatat: one pass over a folder's entries, one stat per
// candidate file, none for folders whose entry type the file system already tells.
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

namespace {

// One pass over a folder's entries; the subfolders and the folder's identity only when
// `withSubfolders`.
std::optional<FolderContents> readFolder(const QString& folder, const std::function<bool(const QString&)>& accept,
                                         EventPump& pump, bool withSubfolders) {
  FolderStream stream(folder);
  if (!stream.isOpen()) return std::nullopt;
  FolderContents contents;
  std::vector<QString> folders;
  if (withSubfolders) {
    struct stat self {};
    if (::fstat(stream.fd(), &self) != 0) return std::nullopt;
    contents.identity = {quint64(self.st_dev), quint64(self.st_ino)};
  }
  while (const dirent* e = stream.next()) {
    pump.pump();
    if (isDotOrDotDot(e->d_name)) continue;
    unsigned char type = e->d_type;
    if (type == DT_UNKNOWN && withSubfolders) {
      // The file system keeps no types in its folders: the entry itself tells, links not followed.
      struct stat st {};
      if (::fstatat(stream.fd(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
      type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : S_ISREG(st.st_mode) ? DT_REG : DT_FIFO;
    }
    if (type == DT_DIR) {
      if (withSubfolders) folders.push_back(decodeFileName(e->d_name, qsizetype(std::strlen(e->d_name))));
      continue;
    }
    if (e->d_name[0] == '.') continue;  // hidden files are never listed
    if (type != DT_REG && type != DT_LNK && type != DT_UNKNOWN) continue;
    QString name = decodeFileName(e->d_name, qsizetype(std::strlen(e->d_name)));
    if (accept && !accept(name)) continue;
    struct stat st {};
    // Follows a link, so a link to a regular file counts as that file; a dangling link fails.
    if (::fstatat(stream.fd(), e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
    contents.files.push_back({std::move(name), qint64(st.st_size)});
  }
  sortInListingOrder(contents.files, [](const ListedFile& f) -> const QString& { return f.name; });
  sortInListingOrder(folders, [](const QString& f) -> const QString& { return f; });
  contents.subfolders = QStringList(std::make_move_iterator(folders.begin()), std::make_move_iterator(folders.end()));
  return contents;
}

}  // namespace

std::optional<std::vector<ListedFile>> listFiles(const QString& folder,
                                                 const std::function<bool(const QString&)>& accept,
                                                 EventPump& pump) {
  std::optional<FolderContents> contents = readFolder(folder, accept, pump, false);
  if (!contents) return std::nullopt;
  return std::move(contents->files);
}

std::optional<FolderContents> listFolder(const QString& folder, const std::function<bool(const QString&)>& accept,
                                         EventPump& pump) {
  return readFolder(folder, accept, pump, true);
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
