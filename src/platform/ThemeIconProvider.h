// File-type icons from the desktop's icon theme, by MIME type.
#pragma once

#include <QIcon>
#include <QMimeDatabase>
#include <vector>

#include "platform/IconProvider.h"

namespace platform {

class ThemeIconProvider final : public IconProvider {
 public:
  ThemeIconProvider();
  int addIcon(const QString& name, bool folder) override;
  // The icon of a 1-based index; an empty icon for an index never given out.
  QIcon icon(int index) const;

 private:
  QMimeDatabase mimes_;
  std::vector<QIcon> icons_;
};

}  // namespace platform
