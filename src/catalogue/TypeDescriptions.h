// The "File Type" column: a file type's description from the registry by its extension,
// or "EXT File" when none is registered. Kept per extension, since the answer depends on
// nothing else, and shared by every row of that type.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <array>
#include <utility>

#include "catalogue/SharedText.h"
#include "platform/Registry.h"

namespace catalogue {

class TypeDescriptions {
 public:
  explicit TypeDescriptions(const platform::ValueStore& registry) : registry_(registry) {}
  SharedText describe(QStringView extension);

 private:
  SharedText lookUp(const QString& extension);

  const platform::ValueStore& registry_;
  QHash<QString, SharedText> known_;
  // The last extensions asked about: a folder mostly holds a few types, and finding them
  // here takes no copy of the extension.
  std::array<std::pair<QString, SharedText>, 16> recent_;
  size_t nextRecent_ = 0;
};

}  // namespace catalogue
