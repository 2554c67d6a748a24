// MIME database look-ups shaped as registry keys with one default value.
#include "platform/MimeValueStore.h"

#include "platform/FileNames.h"

namespace platform {
namespace {

class DefaultValueKey final : public RegistryKey {
 public:
  explicit DefaultValueKey(QString text) : text_(std::move(text)) {}
  std::optional<RegValue> value(const QString& valueName) const override {
    if (!valueName.isEmpty()) return std::nullopt;
    return RegValue{RegType::Sz, encodeFileName(text_)};
  }

 private:
  QString text_;
};

}  // namespace

std::unique_ptr<RegistryKey> MimeValueStore::open(RootKey root, const QString& subkey) const {
  if (root != RootKey::ClassesRoot || subkey.isEmpty()) return nullptr;
  if (subkey.startsWith(u'.')) {
    // An "extension" that holds a folder separator (a dot in a folder name) names no key.
    if (subkey.size() < 2 || subkey.contains(u'/')) return nullptr;
    const QMimeType mime = mimes_.mimeTypeForFile(QStringLiteral("x") + subkey, QMimeDatabase::MatchExtension);
    if (!mime.isValid() || mime.isDefault()) return nullptr;
    return std::make_unique<DefaultValueKey>(mime.name());
  }
  const QMimeType mime = mimes_.mimeTypeForName(subkey);
  if (!mime.isValid() || mime.isDefault()) return nullptr;
  return std::make_unique<DefaultValueKey>(mime.comment());
}

}  // namespace platform
