// Class name, then description, as the registry keeps file types.
#include "catalogue/TypeDescriptions.h"

namespace catalogue {

QString TypeDescriptions::describe(const QString& extension) {
  const auto it = known_.constFind(extension);
  if (it != known_.constEnd()) return *it;
  using platform::RootKey;
  const QString typeClass =
      platform::GetRegValue(registry_, RootKey::ClassesRoot, QLatin1Char('.') + extension, QString(), QString());
  QString description =
      typeClass.isEmpty() ? QString() : platform::GetRegValue(registry_, RootKey::ClassesRoot, typeClass, QString(), QString());
  if (description.isEmpty()) description = extension.toUpper() + QStringLiteral(" File");
  known_.insert(extension, description);
  return description;
}

}  // namespace catalogue
