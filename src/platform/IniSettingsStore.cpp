// The file is read and written by our own code rather than by QSettings, which opens
// whatever stands at the name (a named pipe there blocks the start for ever) and, on a
// save, renames its new file over whatever a link leads to, a device included. Here the
// file is read only when it is a regular file, and replaced only through the rule every
// file Fillpack replaces follows. As QSettings did, a save reads the file again and puts
// only the values written since on top of it, so values that another run saved meanwhile
// under other keys are kept.
#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include "platform/IniText.h"
#include "platform/RegularFile.h"
#include "platform/ReplaceFile.h"

namespace platform {

namespace {

QSettings::SettingsMap readSettingsFile(const QString& path) {
  const std::optional<QByteArray> text = readRegularFile(path, IniSettingsStore::maxFileSize);
  return text ? parseIniText(*text) : QSettings::SettingsMap();
}

QString address(const QString& section, const QString& key) { return section + u'/' + key; }

}  // namespace

IniSettingsStore::IniSettingsStore() = default;
IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::fileOf(const QString& application) {
  // A relative XDG_CONFIG_HOME is invalid and must be ignored, as an unset one is.
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
  return base + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

IniSettingsStore::File& IniSettingsStore::fileFor(const QString& application) const {
  auto [it, added] = files_.try_emplace(application);
  if (added) {
    it->second.path = fileOf(application);
    it->second.stored = readSettingsFile(it->second.path);
  }
  return it->second;
}

QString IniSettingsStore::read(const QString& application, const QString& section, const QString& key,
                               const QString& defaultText) const {
  const File& file = fileFor(application);
  const QString where = address(section, key);
  // Our format holds nothing but texts.
  if (const auto it = file.pending.constFind(where); it != file.pending.constEnd()) return it->toString();
  return file.stored.value(where, defaultText).toString();
}

bool IniSettingsStore::write(const QString& application, const QString& section, const QString& key,
                             const QString& text) {
  // Held until `flush`, which is where a file that cannot be replaced shows.
  fileFor(application).pending.insert(address(section, key), text);
  return true;
}

bool IniSettingsStore::flush() {
  failure_.clear();
  for (auto& [application, file] : files_) {
    if (file.pending.isEmpty()) continue;
    QSettings::SettingsMap merged = readSettingsFile(file.path);
    for (auto it = file.pending.constBegin(); it != file.pending.constEnd(); ++it) merged.insert(it.key(), it.value());
    QDir().mkpath(QFileInfo(file.path).path());
    const QString reason = replaceFile(file.path, formatIniText(merged));
    if (!reason.isEmpty()) {
      // Kept pending, so a later save may still succeed.
      if (failure_.isEmpty()) failure_ = QStringLiteral("\"%1\": %2").arg(file.path, reason);
      continue;
    }
    file.stored = std::move(merged);
    file.pending.clear();
  }
  return failure_.isEmpty();
}

}  // namespace platform
