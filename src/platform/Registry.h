// The registry reader: text values that other software keeps, read through a read-only
// value store. Each call opens, reads and closes; every failure gives the caller's default.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace platform {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine };

// The stored types the reader tells apart; only Sz is read as text.
enum class RegType { Sz = 1, ExpandSz = 2, Binary = 3, Dword = 4 };

struct RegValue {
  RegType type = RegType::Sz;
  QByteArray data;  // 8-bit text for the text types, NUL characters included
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // An empty value name asks for the key's default value.
  virtual std::optional<RegValue> value(const QString& valueName) const = 0;
};

class ValueStore {
 public:
  virtual ~ValueStore() = default;
  // Nothing when the subkey does not exist.
  virtual std::unique_ptr<RegistryKey> open(RootKey root, const QString& subkey) const = 0;
};

// The text before the first NUL character, or all of it.
QString StripNulls(const QString& text);

// A text value of the open key cut at its first NUL; nothing for a missing key or value
// or a value of another type.
std::optional<QString> QueryValue(const RegistryKey* key, const QString& valueName);

// The value's text, or `defaultText` when it is missing, empty or not plain text.
QString GetRegValue(const ValueStore& store, RootKey root, const QString& subkey, const QString& valueName,
                    const QString& defaultText);

}  // namespace platform
