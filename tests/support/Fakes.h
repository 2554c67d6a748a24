// Scripted stand-ins for the platform services, so that every behaviour can be driven
// and checked without a display or a person.
#pragma once

#include <ostream>

#include "catalogue/Form.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "platform/EventPump.h"
#include "platform/FolderPicker.h"
#include "platform/IconProvider.h"
#include "platform/Messages.h"
#include "platform/Registry.h"

namespace catalogue {
// Lets a control id name itself in a failed expectation.
inline std::ostream& operator<<(std::ostream& out, ControlId id) { return out << id.name; }
}  // namespace catalogue

namespace testing_support {

// Calls `onPump` with the 1-based number of every pump, for example to press Stop mid-walk.
class ScriptedPump final : public platform::EventPump {
 public:
  void pump() override {
    ++calls;
    if (onPump) onPump(calls);
  }
  int calls = 0;
  std::function<void(int)> onPump;
};

struct ShownMessage {
  QString title, text;
  platform::MessageIcon icon;
};

// Records every message and question; questions take the next answer, No when none is left.
class RecordingMessages final : public platform::Messages {
 public:
  void show(const QString& title, const QString& text, platform::MessageIcon icon) override {
    shown.append({title, text, icon});
  }
  bool ask(const QString& title, const QString& text) override {
    asked.append({title, text, platform::MessageIcon::Question});
    return !answers.isEmpty() && answers.takeFirst();
  }
  QList<ShownMessage> shown, asked;
  QList<bool> answers;
};

class ScriptedPicker final : public platform::FolderPicker {
 public:
  QString browseForFolder(const QString& prompt, const QString& startFolder) override {
    prompts.append(prompt);
    starts.append(startFolder);
    return answer;
  }
  QString answer;
  QStringList prompts, starts;
};

class CountingIconProvider final : public platform::IconProvider {
 public:
  int addIcon(const QString& name, bool folder) override {
    drawn.append(folder ? QStringLiteral("<folder>") + name : name);
    return int(drawn.size());
  }
  QStringList drawn;
};

// A registry held in memory: (root, subkey) -> value name -> typed value; names in any case.
class TestValueStore final : public platform::ValueStore {
 public:
  using Values = QHash<QString, platform::RegValue>;
  void setText(platform::RootKey root, const QString& subkey, const QString& valueName, const QByteArray& text,
               platform::RegType type = platform::RegType::Sz) {
    keys_[{int(root), subkey.toLower()}][valueName.toLower()] = platform::RegValue{type, text};
  }
  std::unique_ptr<platform::RegistryKey> open(platform::RootKey root, const QString& subkey) const override {
    const auto it = keys_.find({int(root), subkey.toLower()});
    return it == keys_.end() ? nullptr : std::make_unique<Key>(it->second);
  }

 private:
  struct Key final : platform::RegistryKey {
    explicit Key(Values v) : values(std::move(v)) {}
    std::optional<platform::RegValue> value(const QString& name) const override {
      const auto it = values.constFind(name.toLower());
      return it == values.constEnd() ? std::nullopt : std::optional(*it);
    }
    Values values;
  };
  std::map<std::pair<int, QString>, Values> keys_;
};

}  // namespace testing_support
