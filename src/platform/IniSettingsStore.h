// The settings store on Linux: one INI file per application in the user's configuration
// folder, `$XDG_CONFIG_HOME/<application>/<application>.ini` (`~/.config` by default), each
// section a group. Writes are held in memory until `flush`, which replaces the file whole,
// so a failed save leaves the previous file as it was. A file that cannot be read or makes
// no sense gives the defaults and is written over at the next save; one that is not a
// regular file (a pipe, a device) counts as missing and is never written over.
#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <optional>

#include "platform/SettingsStore.h"

namespace platform {

class IniSettingsStore final : public SettingsStore {
 public:
  IniSettingsStore();
  ~IniSettingsStore() override;
  IniSettingsStore(const IniSettingsStore&) = delete;
  IniSettingsStore& operator=(const IniSettingsStore&) = delete;

  QString read(const QString& application, const QString& section, const QString& key,
               const QString& defaultText) const override;
  bool write(const QString& application, const QString& section, const QString& key, const QString& text) override;
  bool flush() override;
  QString failure() const override { return failure_; }

  // Where the application's settings live, as the environment says now.
  static QString fileOf(const QString& application);
  // A settings file larger than this is no settings file; it reads as missing.
  static constexpr qint64 maxFileSize = 16 * 1024 * 1024;

 private:
  struct File {
    QString path;                    // fixed at the first use, so it follows the environment of that moment
    QSettings::SettingsMap stored;   // as read from the file, or as last saved
    QSettings::SettingsMap pending;  // written since, not yet saved
  };
  File& fileFor(const QString& application) const;

  mutable std::map<QString, File> files_;
  QString failure_;
};

}  // namespace platform
