// Icon-theme look-up with fallbacks down to the generic document icon, so every key gets
// some picture even on a desktop with a sparse theme.
#include "platform/ThemeIconProvider.h"

#include <QStandardPaths>

namespace platform {

ThemeIconProvider::ThemeIconProvider() {
  // Outside a desktop session Qt may know neither a theme nor where themes live; the
  // shared data folders hold them, and Adwaita is what Debian's icon package brings.
  QStringList paths = QIcon::themeSearchPaths();
  const QStringList shared =
      QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory);
  for (const QString& folder : shared)
    if (!paths.contains(folder)) paths.append(folder);
  QIcon::setThemeSearchPaths(paths);
  if (QIcon::themeName().isEmpty()) QIcon::setThemeName(QStringLiteral("hicolor"));
  if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

int ThemeIconProvider::addIcon(const QString& name, bool folder) {
  QIcon icon;
  if (folder) {
    icon = QIcon::fromTheme(QStringLiteral("folder"));
  } else {
    // Keys of file types are bare extensions (".mp3"), which the MIME database would take
    // for hidden files without one.
    const QString file = name.startsWith(u'.') ? QStringLiteral("file") + name : name;
    const QMimeType mime = mimes_.mimeTypeForFile(file, QMimeDatabase::MatchExtension);
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
