// The freedesktop trash, done on the names' bytes. Qt's own move to the trash checks that
// the file exists by following a link (so a link whose target went to the trash first is
// refused) and names files by their decoded text (so a name that is not valid UTF-8 cannot
// be trashed); it also leaves a file below the current folder when the data folder is
// missing. Here the entry is looked at with lstat, its info file is made first and
// exclusively, with the original path percent-encoded byte by byte, and the entry is then
// renamed into the trash, which never copies it across file systems.
//
// A file on the home's file system goes to the home trash ($XDG_DATA_HOME/Trash); one on
// another volume to that volume's $top/.Trash/$uid (when an administrator made $top/.Trash
// sticky and not a link) or $top/.Trash-$uid, with its path relative to $top. A volume
// with neither refuses the file.
#include "platform/Trash.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

#include "platform/FileKind.h"
#include "platform/FileNames.h"
#include "platform/FileWrite.h"
#include "platform/LongPaths.h"

namespace platform {

namespace {

// Room for ".trashinfo" and a counter within one file name.
constexpr qsizetype longestTrashedName = NAME_MAX - 24;

// A trash folder (holding files/ and info/) and the folder that paths in its info files
// are relative to ("" for the home trash: paths are absolute there).
struct TrashFolder {
  QByteArray root;
  QByteArray top;
};

bool isOwnFolder(const QByteArray& path) {
  struct stat st {};
  return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// The folder, made with mode 0700 when missing; it must be the user's own and no link.
bool ownFolder(const QByteArray& path) {
  if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
  return isOwnFolder(path);
}

bool withParts(const TrashFolder& trash) {
  return ownFolder(trash.root) && ownFolder(trash.root + "/files") && ownFolder(trash.root + "/info");
}

std::optional<TrashFolder> homeTrash() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty() || !QDir().mkpath(data)) return std::nullopt;
  TrashFolder trash{encodeFileName(data) + "/Trash", {}};
  if (!withParts(trash)) return std::nullopt;
  return trash;
}

std::optional<dev_t> deviceOf(const QByteArray& path) {
  struct stat st {};
  if (::stat(path.constData(), &st) != 0) return std::nullopt;
  return st.st_dev;
}

// The folder on which the file system of `folder` (an absolute path without links) is
// mounted: the last folder upwards that is still on `device`.
QByteArray mountTop(QByteArray folder, dev_t device) {
  while (folder.size() > 1) {
    const qsizetype slash = folder.lastIndexOf('/');
    const QByteArray up = slash <= 0 ? QByteArray("/") : folder.left(slash);
    if (deviceOf(up) != device) break;
    folder = up;
  }
  return folder;
}

std::optional<TrashFolder> volumeTrash(const QByteArray& top) {
  const QByteArray base = top == "/" ? QByteArray() : top;
  const QByteArray uid = QByteArray::number(::getuid());
  struct stat shared {};
  if (::lstat((base + "/.Trash").constData(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
      (shared.st_mode & S_ISVTX)) {
    TrashFolder trash{base + "/.Trash/" + uid, top};
    if (withParts(trash)) return trash;
  }
  TrashFolder trash{base + "/.Trash-" + uid, top};
  if (withParts(trash)) return trash;
  return std::nullopt;
}

// The trash for an entry on `device` whose folder is `folder`.
std::optional<TrashFolder> trashFor(const QByteArray& folder, dev_t device, const std::optional<TrashFolder>& home) {
  if (home && deviceOf(home->root) == device) return home;
  char* real = ::realpath(folder.constData(), nullptr);
  if (!real) return std::nullopt;
  const QByteArray resolved(real);
  std::free(real);
  return volumeTrash(mountTop(resolved, device));
}

QByteArray infoText(const QByteArray& path) {
  return "[Trash Info]\nPath=" + path.toPercentEncoding("/") + "\nDeletionDate=" +
         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() + "\n";
}

// Renames without replacing what is at `to`, also where the file system cannot promise it.
bool renameNew(const QByteArray& from, const QByteArray& to) {
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat st {};
  if (::lstat(to.constData(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.constData(), to.constData()) == 0;
}

// Moves the entry `path` (absolute) into `trash`, under a name no earlier trashed file has.
bool moveInto(const TrashFolder& trash, const QByteArray& path) {
  const QByteArray name = path.mid(path.lastIndexOf('/') + 1).left(longestTrashedName);
  QByteArray shown = path;
  if (!trash.top.isEmpty()) shown = path.mid(trash.top == "/" ? 1 : trash.top.size() + 1);
  const QByteArray info = infoText(shown);
  for (int attempt = 1; attempt < 100000; ++attempt) {
    const QByteArray unique = attempt == 1 ? name : name + '-' + QByteArray::number(attempt);
    const QByteArray infoPath = trash.root + "/info/" + unique + ".trashinfo";
    const FileHandle infoFile(::open(infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!infoFile.isOpen()) {
      if (errno == EEXIST) continue;
      return false;
    }
    if (writeAll(infoFile.fd(), info.constData(), info.size()) == 0 &&
        renameNew(path, trash.root + "/files/" + unique))
      return true;
    const bool taken = errno == EEXIST;
    ::unlink(infoPath.constData());
    if (!taken) return false;
  }
  return false;
}

QByteArray absolute(const QByteArray& path) {
  if (path.startsWith('/')) return path;
  return encodeFileName(QDir::currentPath()) + '/' + path;
}

}  // namespace

QStringList FreedesktopTrash::moveToTrash(const QStringList& paths) {
  QStringList failed;
  const std::optional<TrashFolder> home = homeTrash();
  for (const QString& path : paths) {
    const FileKind kind = lookAt(path, Links::AsLinks).kind;
    const QByteArray bytes = absolute(encodeFileName(path));
    struct stat st {};
    const bool entry = (kind == FileKind::Regular || kind == FileKind::Link) && !bytes.endsWith('/') &&
                       ::lstat(bytes.constData(), &st) == 0;
    std::optional<TrashFolder> trash;
    if (entry) trash = trashFor(bytes.left(std::max<qsizetype>(bytes.lastIndexOf('/'), 1)), st.st_dev, home);
    if (!trash || !moveInto(*trash, bytes)) failed.append(path);
  }
  return failed;
}

}  // namespace platform
