// QSettings with a file format of our own. QSettings saves through a temporary file beside
// the target that it renames over it (with atomic syncing required it never writes the
// target in place), but it renames even when the last buffered bytes could not be written
// (a full disk, a file size limit), which would leave a cut-off file. Our writer flushes
// those bytes itself and reports the failure, so the old file stays. The format also
// keeps blanks in keys and sections readable ("[Dir List]", "Item 1=").
#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QFileDevice>
#include <QVariant>

#include "platform/IniText.h"

namespace platform {

namespace {

bool readIni(QIODevice& device, QSettings::SettingsMap& settings) {
  settings = parseIniText(device.readAll());
  return true;  // nonsense is skipped line by line, never a reason to refuse the file
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& settings) {
  const QByteArray text = formatIniText(settings);
  if (device.write(text) != text.size()) return false;
  auto* file = qobject_cast<QFileDevice*>(&device);
  return !file || file->flush();
}

QSettings::Format iniFormat() {
  static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("ini"), readIni, writeIni);
  return format;
}

}  // namespace

IniSettingsStore::IniSettingsStore() = default;
IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::fileOf(const QString& application) {
  // A relative XDG_CONFIG_HOME is invalid and must be ignored, as an unset one is.
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
  return base + u'/' + application + u'/' + application + QStringLiteral(".ini");
}

QSettings& IniSettingsStore::settingsOf(const QString& application) const {
  std::unique_ptr<QSettings>& settings = files_[application];
  if (!settings) {
    settings = std::make_unique<QSettings>(fileOf(application), iniFormat());
    settings->setAtomicSyncRequired(true);
  }
  return *settings;
}

QString IniSettingsStore::read(const QString& application, const QString& section, const QString& key,
                               const QString& defaultText) const {
  // Our format holds nothing but texts.
  return settingsOf(application).value(section + u'/' + key, defaultText).toString();
}

bool IniSettingsStore::write(const QString& application, const QString& section, const QString& key,
                             const QString& text) {
  // Held until `flush`, which is where a file that cannot be replaced shows.
  settingsOf(application).setValue(section + u'/' + key, text);
  return true;
}

bool IniSettingsStore::flush() {
  bool saved = true;
  for (auto& [application, settings] : files_) {
    settings->sync();
    saved = saved && settings->status() == QSettings::NoError;
  }
  return saved;
}

}  // namespace platform
