// stat(2) tells the type; statfs(2) on a regular file tells whether it lives on one of the
// kernel's own file systems, whose files claim a size (4096 in /sys) that has nothing to do
// with what reading them gives. Such a file is looked at through an O_PATH handle, which
// reads nothing.
#include "platform/FileKind.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <QHash>
#include <cerrno>

#include "platform/FileNames.h"
#include "platform/LongPaths.h"

namespace platform {

namespace {

bool isKernelFileSystem(decltype(statfs::f_type) type) {
  switch (type) {
    case SYSFS_MAGIC:
    case PROC_SUPER_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
      return true;
    default:
      return false;
  }
}

// A loaded list names thousands of files on a handful of file systems, and a mounted file
// system keeps its type: it is asked once per device, not once per file.
bool onKernelFileSystem(const QByteArray& path, Links links, dev_t device) {
  thread_local QHash<quint64, bool> known;
  if (const auto it = known.constFind(quint64(device)); it != known.constEnd()) return *it;
  const FileHandle handle = openAnyLength(path, O_PATH | O_CLOEXEC | (links == Links::AsLinks ? O_NOFOLLOW : 0));
  struct statfs fs {};
  if (!handle.isOpen() || ::fstatfs(handle.fd(), &fs) != 0) return false;
  return *known.insert(quint64(device), isKernelFileSystem(fs.f_type));
}

}  // namespace

FileFacts lookAt(const QString& path, Links links) {
  const QByteArray bytes = encodeFileName(path);
  struct stat st {};
  if (bytes.isEmpty() || !statAnyLength(bytes, st, links == Links::AsLinks ? AT_SYMLINK_NOFOLLOW : 0)) {
    const bool gone = bytes.isEmpty() || errno == ENOENT || errno == ENOTDIR;
    return {gone ? FileKind::Gone : FileKind::Unknown};
  }
  if (S_ISLNK(st.st_mode)) return {FileKind::Link};
  if (S_ISDIR(st.st_mode)) return {FileKind::Folder};
  if (!S_ISREG(st.st_mode) || onKernelFileSystem(bytes, links, st.st_dev)) return {FileKind::Special};
  return {FileKind::Regular, qint64(st.st_size)};
}

}  // namespace platform
