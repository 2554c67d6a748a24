// What a path names, told from its metadata alone. The commands that act on the files of a
// list (Load, Delete, the clipboard, the burner) take regular files only, whatever the list
// says; nothing here opens a file for reading, so a FIFO can never block them.
#pragma once

#include <QString>

namespace platform {

enum class FileKind {
  Gone,     // nothing stands at the path (no such entry, or a part of it is no folder)
  Unknown,  // the path cannot be looked at (no permission, a name too long for the system)
  Regular,
  Link,     // a symbolic link, when links are not followed
  Folder,
  Special,  // a FIFO, socket or device, or a file of a kernel file system such as /sys
};

struct FileFacts {
  FileKind kind = FileKind::Gone;
  qint64 size = 0;  // of a regular file
};

enum class Links { Follow, AsLinks };

// The kind and size of what `path` names, following a link or taking it as the link.
// A file of /sys or /proc counts as special: its size is not its content.
FileFacts lookAt(const QString& path, Links links);

// Whether `path` names a regular file, or a link to one.
inline bool isRegularFile(const QString& path) { return lookAt(path, Links::Follow).kind == FileKind::Regular; }

}  // namespace platform
