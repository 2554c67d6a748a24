// A folder tree made by a test in a temporary folder and removed afterwards.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "platform/LongPaths.h"

namespace testing_support {

class TempTree {
 public:
  TempTree();
  // Below `base` when that is a folder (such as /dev/shm, for trees of very many files),
  // where temporary folders go otherwise.
  explicit TempTree(const QString& base);
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The root, without a trailing "/".
  QString root() const { return dir_.path(); }
  QString path(const QString& relative) const { return root() + u'/' + relative; }

  // Makes the parent folders as needed, however long the path. Sizes are sparse, so
  // large files cost nothing.
  void file(const QString& relative, qint64 size = 0);
  // A file whose name is given as raw bytes (not necessarily valid UTF-8) in `folder`.
  QString rawFile(const QString& folder, const QByteArray& name, qint64 size = 0);
  void folder(const QString& relative);
  void symlink(const QString& target, const QString& relative);
  void fifo(const QString& relative);
  // Removes all permissions (the removal of the tree restores them).
  void lock(const QString& relative);
  // `levels` folders named `folderName`, each inside the one before, below `relative`
  // ("" for the root); each holds one empty file `fileName`. Paths may grow past
  // PATH_MAX. Returns the path of the deepest folder.
  QString chain(const QString& relative, const QString& folderName, int levels, const QString& fileName);

 private:
  QTemporaryDir dir_;
};

}  // namespace testing_support
