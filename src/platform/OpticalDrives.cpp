// /proc/sys/dev/cdrom/info names the drives ("drive name:  sr1  sr0", newest first);
// /proc/self/mounts says where each device is mounted, perhaps under another name of it
// (/dev/cdrom), so both sides are compared after resolving links.
#include "platform/OpticalDrives.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/FileNames.h"

namespace platform {

namespace {

QByteArray readAll(const char* path) {
  QFile file(QString::fromLatin1(path));
  // Files under /proc report no size; read until the end.
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString resolved(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? path : canonical;
}

// A mount table field: octal escapes for blanks, tabs, newlines and backslashes.
QString unescapeField(const QByteArray& field) {
  QByteArray out;
  for (qsizetype i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      bool ok = false;
      const int code = field.mid(i + 1, 3).toInt(&ok, 8);
      if (ok) {
        out += char(code);
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return decodeFileName(out);
}

}  // namespace

QStringList LinuxOpticalDrives::devicesFromCdromInfo(const QByteArray& info) {
  for (const QByteArray& line : info.split('\n')) {
    if (!line.startsWith("drive name:")) continue;
    QStringList devices;
    for (const QByteArray& name : line.mid(int(qstrlen("drive name:"))).simplified().split(' '))
      if (!name.isEmpty()) devices.append(QStringLiteral("/dev/") + QString::fromLatin1(name));
    std::reverse(devices.begin(), devices.end());  // the kernel lists the last drive first
    return devices;
  }
  return {};
}

QList<std::pair<QString, QString>> LinuxOpticalDrives::mountsFromTable(const QByteArray& table) {
  QList<std::pair<QString, QString>> mounts;
  for (const QByteArray& line : table.split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    if (fields.size() >= 2) mounts.append({unescapeField(fields[0]), unescapeField(fields[1])});
  }
  return mounts;
}

QList<OpticalDrive> LinuxOpticalDrives::drives() const {
  const auto mounts = mountsFromTable(readAll("/proc/self/mounts"));
  QList<OpticalDrive> drives;
  for (const QString& device : devicesFromCdromInfo(readAll("/proc/sys/dev/cdrom/info"))) {
    OpticalDrive drive{device, QString()};
    const QString real = resolved(device);
    for (const auto& [source, target] : mounts)
      if (source.startsWith(u'/') && resolved(source) == real) {
        drive.mountPoint = target;
        break;
      }
    drives.append(drive);
  }
  return drives;
}

}  // namespace platform
