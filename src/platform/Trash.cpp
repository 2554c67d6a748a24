// QFile::moveToTrash with the home trash made first: when the data folder does not exist,
// Qt 6.4 reports success yet leaves the file in a "files" folder below the current one.
#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/FileNames.h"

namespace platform {

QStringList FreedesktopTrash::moveToTrash(const QStringList& paths) {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  QStringList failed;
  if (data.isEmpty() || !QDir().mkpath(data + QStringLiteral("/Trash/files")) ||
      !QDir().mkpath(data + QStringLiteral("/Trash/info")))
    return paths;
  for (const QString& path : paths) {
    // Qt names files by its own decoding; a name that is not valid UTF-8 would come out
    // different, so such a file is reported rather than guessed at.
    const QString qtName = QFile::decodeName(encodeFileName(path));
    if (qtName != path || !QFile::moveToTrash(qtName)) failed.append(path);
  }
  return failed;
}

}  // namespace platform
