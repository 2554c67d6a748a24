// The optical drives of the machine and where their discs are mounted.
#pragma once

#include <QList>
#include <QString>

namespace platform {

struct OpticalDrive {
  QString device;      // "/dev/sr0"
  QString mountPoint;  // empty when no disc is mounted
};

class OpticalDrives {
 public:
  virtual ~OpticalDrives() = default;
  // In the kernel's order of the drives.
  virtual QList<OpticalDrive> drives() const = 0;
};

// A machine without an optical drive, as far as the program is concerned.
class NoOpticalDrives final : public OpticalDrives {
 public:
  QList<OpticalDrive> drives() const override { return {}; }
};

// The kernel's list of CD-ROM drives and the mount table.
class LinuxOpticalDrives final : public OpticalDrives {
 public:
  QList<OpticalDrive> drives() const override;

  // The parsing, apart from the files, for tests.
  static QStringList devicesFromCdromInfo(const QByteArray& info);
  // Mount points by device, from the text of a mount table; "\040" and the like decoded.
  static QList<std::pair<QString, QString>> mountsFromTable(const QByteArray& table);
};

}  // namespace platform
