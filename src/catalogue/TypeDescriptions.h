// The "File Type" column: a file type's description from the registry by its extension,
// or "EXT File" when none is registered. Kept per extension, since the answer depends on
// nothing else, and shared by every row of that type.
#pragma once

#include <QHash>
#include <QString>

#include "platform/Registry.h"

namespace catalogue {

class TypeDescriptions {
 public:
  explicit TypeDescriptions(const platform::ValueStore& registry) : registry_(registry) {}
  QString describe(const QString& extension);

 private:
  const platform::ValueStore& registry_;
  QHash<QString, QString> known_;
};

}  // namespace catalogue
