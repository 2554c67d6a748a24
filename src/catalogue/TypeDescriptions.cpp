// Class name, then description, as the registry keeps file types.
#include "catalogue/TypeDescriptions.h"

namespace catalogue {

SharedText TypeDescriptions::describe(QStringView extension) {
  for (const auto& [known, description] : recent_)
    if (!description.isEmpty() && known == extension) return description;
  const QString key = extension.toString();
  SharedText description = lookUp(key);
  recent_[nextRecent_] = {key, description};
  nextRecent_ = (nextRecent_ + 1) % recent_.size();
  return description;
}

SharedText TypeDescriptions::lookUp(const QString& extension) {
  const auto it = known_.constFind(extension);
  if (it != known_.constEnd()) return *it;
  using platform::RootKey;
  const QString typeClass =
      platform::GetRegValue(registry_, RootKey::ClassesRoot, QLatin1Char('.') + extension, QString(), QString());
  QString description =
      typeClass.isEmpty() ? QString() : platform::GetRegValue(registry_, RootKey::ClassesRoot, typeClass, QString(), QString());
  if (description.isEmpty()) description = extension.toUpper() + QStringLiteral(" File");
  const SharedText shared(description);
  known_.insert(extension, shared);
  return shared;
}

}  // namespace catalogue
