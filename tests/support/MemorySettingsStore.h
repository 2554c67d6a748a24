// A settings store held in memory, for the start-up and close sequences: what was stored,
// the order of the writes, and keys that refuse to be written.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <map>

#include "platform/SettingsStore.h"

namespace testing_support {

class MemorySettingsStore final : public platform::SettingsStore {
 public:
  // Addresses a setting as "application/section/key".
  static QString address(const QString& application, const QString& section, const QString& key) {
    return application + u'/' + section + u'/' + key;
  }

  QString read(const QString& application, const QString& section, const QString& key,
               const QString& defaultText) const override {
    const auto it = values.find(address(application, section, key));
    return it == values.end() ? defaultText : it->second;
  }
  bool write(const QString& application, const QString& section, const QString& key, const QString& text) override {
    const QString where = address(application, section, key);
    if (refused.contains(where)) return false;
    values[where] = text;
    writes.append(where);
    return true;
  }
  bool flush() override {
    ++flushes;
    return true;
  }

  std::map<QString, QString> values;
  QStringList writes;  // addresses in the order written
  QSet<QString> refused;
  int flushes = 0;
};

}  // namespace testing_support
