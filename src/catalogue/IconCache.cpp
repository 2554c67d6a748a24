// Key rules and the image cache.
#include "catalogue/IconCache.h"

#include "catalogue/Wildcard.h"

namespace catalogue {
namespace {

const QString folderKey = QStringLiteral(".Folder");

bool isPerFileType(const QString& path) {
  static const WildcardList perFile(QStringLiteral("*.scr;*.exe;*.ico;*.lnk;*.cpl;*.msc"),
                                    WildcardList::Syntax::Like);
  return perFile.matches(path);
}

}  // namespace

IconCache::IconCache(platform::IconProvider& provider, FolderTest isFolder)
    : provider_(provider), isFolder_(std::move(isFolder)) {}

QString IconCache::cacheKey(const QString& path, const FolderTest& isFolder) {
  // Every per-file pattern is "*." and an extension without a dot, so the part from the
  // last dot decides it: a million long paths need not be matched whole.
  const qsizetype dot = path.lastIndexOf(u'.');
  const QString extension = dot < 0 ? QString() : path.mid(dot);
  if (dot >= 0 && isPerFileType(extension)) return path.toLower();
  if (isFolder && isFolder(path)) return folderKey.toLower();
  return (dot < 0 ? path : extension).toLower();
}

int IconCache::GetIconIndex(const QString& path, bool knownFile) {
  static const FolderTest noTest;
  const QString key = cacheKey(path, knownFile ? noTest : isFolder_);
  const auto it = images_.constFind(key);
  if (it != images_.constEnd()) return *it;
  // A comma ends the part of the key that names the file to draw.
  const qsizetype comma = key.lastIndexOf(u',');
  const QString drawn = comma < 0 ? key : key.left(comma);
  const int index = provider_.addIcon(drawn, key == folderKey.toLower());
  images_.insert(key, index);
  return index;
}

}  // namespace catalogue
