// O_NOFOLLOW on each level refuses a link; O_PATH keeps a folder that its owner may not
// read usable as a base, as a path walk would. Only one intermediate handle is held.
#include "platform/FolderBelow.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace platform {

namespace {

FileHandle openLevel(int at, const QByteArray& name) {
  return FileHandle(::openat(at, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

}  // namespace

FolderBelow openFolderBelow(int base, const QByteArray& levels,
                            const std::function<mode_t(const QByteArray&)>& modeOf) {
  FolderBelow reached;
  FileHandle current(::fcntl(base, F_DUPFD_CLOEXEC, 0));
  if (!current.isOpen()) {
    reached.error = errno;
    return reached;
  }
  for (qsizetype start = 0; start < levels.size();) {
    qsizetype slash = levels.indexOf('/', start);
    if (slash < 0) slash = levels.size();
    const QByteArray name = levels.mid(start, slash - start);
    reached.levels = levels.left(slash);
    start = slash + 1;
    if (name.isEmpty() || name == ".") continue;
    if (name == "..") {
      reached.escapes = true;
      return reached;
    }
    FileHandle next = openLevel(current.fd(), name);
    if (!next.isOpen() && errno == ENOENT) {
      // Another process may make the same level meanwhile; it is opened all the same.
      if (::mkdirat(current.fd(), name.constData(), modeOf(reached.levels)) != 0 && errno != EEXIST) {
        reached.error = errno;
        return reached;
      }
      next = openLevel(current.fd(), name);
    }
    if (!next.isOpen()) {
      reached.error = errno;
      struct stat st {};
      if (::fstatat(current.fd(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) {
        reached.escapes = true;
        reached.error = 0;
      }
      return reached;
    }
    current = std::move(next);
  }
  reached.folder = std::move(current);
  return reached;
}

}  // namespace platform
