// Moving files to the desktop's trash (the freedesktop trash of the user's home, or of
// the volume), never deleting them outright.
#pragma once

#include <QStringList>

namespace platform {

class Trash {
 public:
  virtual ~Trash() = default;
  // Moves each path to the trash; returns the paths that could not be moved.
  virtual QStringList moveToTrash(const QStringList& paths) = 0;
};

// Where no trash is to be used: every path is reported back.
class NoTrash final : public Trash {
 public:
  QStringList moveToTrash(const QStringList& paths) override { return paths; }
};

// Takes regular files and symbolic links (as the links) only; anything else at a path,
// a folder above all, is reported back and left where it is.
class FreedesktopTrash final : public Trash {
 public:
  QStringList moveToTrash(const QStringList& paths) override;
};

}  // namespace platform
