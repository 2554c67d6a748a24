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
};

}  // namespace platform
