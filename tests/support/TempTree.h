// A folder tree made by a test in a temporary folder and removed afterwards.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The root, without a trailing "/".
  QString root() const { return dir_.path(); }
  QString path(const QString& relative) const { return root() + u'/' + relative; }

  // Makes the parent folders as needed. Sizes are sparse, so large files cost nothing.
  void file(const QString& relative, qint64 size = 0);
  // A file whose name is given as raw bytes (not necessarily valid UTF-8) in `folder`.
  QString rawFile(const QString& folder, const QByteArray& name, qint64 size = 0);
  void folder(const QString& relative);
  void symlink(const QString& target, const QString& relative);
  void fifo(const QString& relative);
  // Removes all permissions (restored before the tree is removed).
  void lock(const QString& relative);

 private:
  QTemporaryDir dir_;
  QStringList locked_;
};

}  // namespace testing_support
