// Reading folders from the file system: the files of one folder for gathering, its files
// and subfolders together for the walk, and single-file queries. Paths may be of any
// length.
//
// Names come back in a fixed order, letter case ignored (exact order breaks ties), so the
// same folder gives the same list on every machine.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/EventPump.h"

namespace platform {

struct ListedFile {
  QString name;
  qint64 size = 0;
};

// Regular files (or links to them) whose name does not begin with "." and that `accept`
// takes; FIFOs, sockets and devices are never listed. Nothing when the folder cannot be opened.
std::optional<std::vector<ListedFile>> listFiles(const QString& folder,
                                                 const std::function<bool(const QString&)>& accept,
                                                 EventPump& pump);

// What tells two paths to one folder apart from two folders: a bind mount that holds
// its own ancestor shows the ancestor's identity.
struct FolderIdentity {
  quint64 device = 0;
  quint64 inode = 0;
  friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

struct FolderContents {
  std::vector<ListedFile> files;  // as listFiles gives them
  QStringList subfolders;         // real subfolders, hidden ones too; a link to a folder is not one
  FolderIdentity identity;        // of the folder read
};

// The files and the subfolders of a folder from one reading of it. Nothing when the folder
// cannot be opened.
std::optional<FolderContents> listFolder(const QString& folder, const std::function<bool(const QString&)>& accept,
                                         EventPump& pump);

// Whether the path names a folder (following links).
bool isFolder(const QString& path);

// The file's length in bytes, or nothing when it cannot be measured. Never opens the file.
std::optional<qint64> fileSize(const QString& path);

// Case-insensitive order with exact order as tie-break.
bool listingOrder(const QString& a, const QString& b);

}  // namespace platform
