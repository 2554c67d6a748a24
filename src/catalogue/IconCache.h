// File-type icons per cache key: programs, icons and shortcuts get one image each (keyed
// by their full path), a folder the ".Folder" image, every other file the image of its
// extension. The first path of a key draws the icon; later ones reuse it.
#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "platform/IconProvider.h"

namespace catalogue {

class IconCache {
 public:
  using FolderTest = std::function<bool(const QString&)>;
  IconCache(platform::IconProvider& provider, FolderTest isFolder);

  // The 1-based image index of the path's key, drawing it on first use. A path known to
  // name a regular file is not looked at to tell whether it names a folder.
  int GetIconIndex(const QString& path, bool knownFile = false);

  // The cache key, in lower case.
  static QString cacheKey(const QString& path, const FolderTest& isFolder);

 private:
  platform::IconProvider& provider_;
  FolderTest isFolder_;
  QHash<QString, int> images_;
};

}  // namespace catalogue
