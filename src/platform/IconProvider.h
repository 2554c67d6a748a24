// Draws the small icon of a file type once and keeps it; the lists show icons by the
// 1-based index this returns.
#pragma once

#include <QString>

namespace platform {

class IconProvider {
 public:
  virtual ~IconProvider() = default;
  // Adds the icon for a name (looked up by name only; the file need not exist) or, with
  // `folder`, the folder icon. Returns its 1-based index.
  virtual int addIcon(const QString& name, bool folder) = 0;
  // False where there is nothing to draw on: the lists then skip the icon pass entirely.
  virtual bool draws() const { return true; }
};

// A run without a display: no icon is ever drawn.
class NoIcons final : public IconProvider {
 public:
  int addIcon(const QString&, bool) override { return 0; }
  bool draws() const override { return false; }
};

}  // namespace platform
