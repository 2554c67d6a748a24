// Icon-theme look-up with fallbacks down to the generic document icon, so every key gets
// some picture even on a desktop with a sparse theme.
#include "platform/ThemeIconProvider.h"

namespace platform {

int ThemeIconProvider::addIcon(const QString& name, bool folder) {
  QIcon icon;
  if (folder) {
    icon = QIcon::fromTheme(QStringLiteral("folder"));
  } else {
    const QMimeType mime = mimes_.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    icon = QIcon::fromTheme(mime.iconName());
    if (icon.isNull()) icon = QIcon::fromTheme(mime.genericIconName());
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("text-x-generic"));
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("application-x-generic"));
  }
  icons_.push_back(icon);
  return int(icons_.size());
}

QIcon ThemeIconProvider::icon(int index) const {
  if (index < 1 || index > int(icons_.size())) return {};
  return icons_[size_t(index - 1)];
}

}  // namespace platform
