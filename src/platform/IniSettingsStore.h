// The settings store on Linux: one INI file per application in the user's configuration
// folder, `$XDG_CONFIG_HOME/<application>/<application>.ini` (`~/.config` by default), each
// section a group. Writes are held in memory until `flush`, which replaces the file whole,
// so a failed save leaves the previous file as it was. A file that cannot be read or makes
// no sense gives the defaults and is written over at the next save.
#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <memory>

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

  // Where the application's settings live, as the environment says now.
  static QString fileOf(const QString& application);

 private:
  QSettings& settingsOf(const QString& application) const;

  // Opened at the first use of each application, so the file follows the environment of that moment.
  mutable std::map<QString, std::unique_ptr<QSettings>> files_;
};

}  // namespace platform
