// The Linux answer to the file-type part of the registry: under the classes root, the key
// ".ext" holds the MIME type that the shared MIME database gives that extension (by name
// only), and the key of a MIME type name holds its description. An extension the database
// does not know (application/octet-stream) has no key.
#pragma once

#include <QMimeDatabase>

#include "platform/Registry.h"

namespace platform {

class MimeValueStore final : public ValueStore {
 public:
  std::unique_ptr<RegistryKey> open(RootKey root, const QString& subkey) const override;

 private:
  QMimeDatabase mimes_;
};

}  // namespace platform
