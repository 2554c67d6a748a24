// The store that keeps nothing.
#include "platform/SettingsStore.h"

namespace platform {

QString NoSettingsStore::read(const QString&, const QString&, const QString&, const QString& defaultText) const {
  return defaultText;
}

bool NoSettingsStore::write(const QString&, const QString&, const QString&, const QString&) { return false; }

}  // namespace platform
