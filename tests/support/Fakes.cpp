// The in-memory registry key.
#include "support/Fakes.h"

namespace testing_support {

namespace {

class TestKey final : public platform::RegistryKey {
 public:
  explicit TestKey(QHash<QString, platform::RegValue> values) : values_(std::move(values)) {}
  std::optional<platform::RegValue> value(const QString& valueName) const override {
    const auto it = values_.constFind(valueName.toLower());
    if (it == values_.constEnd()) return std::nullopt;
    return *it;
  }

 private:
  QHash<QString, platform::RegValue> values_;
};

}  // namespace

std::unique_ptr<platform::RegistryKey> TestValueStore::open(platform::RootKey root, const QString& subkey) const {
  const auto it = keys_.find({int(root), subkey.toLower()});
  if (it == keys_.end()) return nullptr;
  return std::make_unique<TestKey>(it->second);
}

}  // namespace testing_support
