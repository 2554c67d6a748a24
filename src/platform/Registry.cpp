// Reader over any value store.
#include "platform/Registry.h"

#include "platform/FileNames.h"

namespace platform {

QString StripNulls(const QString& text) {
  const qsizetype nul = text.indexOf(QChar(u'\0'));
  return nul < 0 ? text : text.left(nul);
}

std::optional<QString> QueryValue(const RegistryKey* key, const QString& valueName) {
  if (!key) return std::nullopt;
  const std::optional<RegValue> v = key->value(valueName);
  if (!v || v->type != RegType::Sz) return std::nullopt;
  return StripNulls(decodeFileName(v->data));
}

QString GetRegValue(const ValueStore& store, RootKey root, const QString& subkey, const QString& valueName,
                    const QString& defaultText) {
  const std::unique_ptr<RegistryKey> key = store.open(root, subkey);  // closed when it goes
  const std::optional<QString> text = QueryValue(key.get(), valueName);
  if (!text || text->isEmpty()) return defaultText;
  return *text;
}

}  // namespace platform
