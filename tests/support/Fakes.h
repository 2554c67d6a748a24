// Scripted stand-ins for the platform services, so that every behaviour can be driven
// and checked without a display or a person.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <utility>

#include "platform/EventPump.h"
#include "platform/FolderPicker.h"
#include "platform/IconProvider.h"
#include "platform/Messages.h"
#include "platform/Registry.h"

namespace testing_support {

// Calls an action at the n-th pump (1-based), for example to press Stop mid-walk.
class ScriptedPump final : public platform::EventPump {
 public:
  void pump() override {
    ++calls;
    if (calls == atCall && action) action();
  }
  int calls = 0;
  int atCall = 0;
  std::function<void()> action;
};

struct ShownMessage {
  QString title;
  QString text;
  platform::MessageIcon icon;
};

class RecordingMessages final : public platform::Messages {
 public:
  void show(const QString& title, const QString& text, platform::MessageIcon icon) override {
    shown.append({title, text, icon});
  }
  bool ask(const QString& title, const QString& text) override {
    asked.append({title, text, platform::MessageIcon::Question});
    return answers.isEmpty() ? false : answers.takeFirst();
  }
  QList<ShownMessage> shown;
  QList<ShownMessage> asked;
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
  QStringList prompts;
  QStringList starts;
};

class CountingIconProvider final : public platform::IconProvider {
 public:
  int addIcon(const QString& name, bool folder) override {
    drawn.append(folder ? QStringLiteral("<folder>") + name : name);
    return int(drawn.size());
  }
  QStringList drawn;
};

// A registry held in memory: (root, subkey) -> value name -> typed value.
class TestValueStore final : public platform::ValueStore {
 public:
  void set(platform::RootKey root, const QString& subkey, const QString& valueName, platform::RegValue value) {
    keys_[{int(root), subkey.toLower()}][valueName.toLower()] = std::move(value);
  }
  void setText(platform::RootKey root, const QString& subkey, const QString& valueName, const QByteArray& text,
               platform::RegType type = platform::RegType::Sz) {
    set(root, subkey, valueName, platform::RegValue{type, text});
  }
  std::unique_ptr<platform::RegistryKey> open(platform::RootKey root, const QString& subkey) const override;

 private:
  std::map<std::pair<int, QString>, QHash<QString, platform::RegValue>> keys_;
};

}  // namespace testing_support
