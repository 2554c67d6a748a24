// The data folder beside the executable or in the installation's share folder.
#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QString dataFolder(const QString& executableFolder) {
  if (QFileInfo(executableFolder + QStringLiteral("/language")).isDir()) return executableFolder;
  const QString installed = QDir::cleanPath(executableFolder + QStringLiteral("/../share/fillpack"));
  if (QFileInfo(installed).isDir()) return installed;
  return executableFolder;
}

}  // namespace platform
