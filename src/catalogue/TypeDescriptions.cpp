// Class name, then description, as the registry keeps file types.
#include "catalogue/TypeDescriptions.h"

#include "platform/MessageTexts.h"

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
  // A type without a description is named in the user's language; every row of it shares
  // the one text made here, so "all of this type" still finds them all.
  if (description.isEmpty()) description = platform::text(platform::Msg::TypeFile).arg(extension.toUpper());
  const SharedText shared(description);
  known_.insert(extension, shared);
  return shared;
}

}  // namespace catalogue
