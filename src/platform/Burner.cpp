// Looked up afresh at each start: programs come and go between runs.
#include "platform/Burner.h"

#include <QStandardPaths>

namespace platform {

std::optional<Burner> findBurner() {
  for (const BurnerProfile& profile : burnerProfiles()) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(profile.program));
    if (!path.isEmpty()) return Burner{profile, path};
  }
  return std::nullopt;
}

}  // namespace platform
