// The Copy command's desktop, scripted: a dialog that does what the test says, and a sound
// and a busy pointer that record their calls; with a main window wired to them.
#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "shell/CopyDialog.h"
#include "shell/CopyForm.h"
#include "support/MemorySettingsStore.h"
#include "support/OutputFakes.h"

namespace testing_support {

class ScriptedCopyDialog final : public shell::CopyDialog {
 public:
  void show(shell::CopyForm& form) override {
    forms.append(&form);
    if (user) user(form);
  }
  std::function<void(shell::CopyForm&)> user;  // nothing: the dialog ends without OK
  QList<shell::CopyForm*> forms;
};

class RecordingSound final : public platform::Sound {
 public:
  void play(const QString& file) override { played.append(file); }
  QStringList played;
};

class RecordingBusyCursor final : public platform::BusyCursor {
 public:
  void setBusy(bool busy) override { calls.append(busy); }
  QList<bool> calls;
};

struct CopyTestWindow {
  TempTree tree;
  ScriptedPump pump;
  RecordingMessages messages;
  ScriptedPicker picker;
  TestValueStore registry;
  MemorySettingsStore settings;
  ScriptedCopyDialog dialog;
  RecordingSound sound;
  RecordingBusyCursor busy;
  shell::MainForm window{shell::Services{messages, picker, pump, registry, nullptr, QStringLiteral("/opt/fillpack"),
                                         nullptr, nullptr, nullptr, QStringLiteral("/opt/data"),
                                         shell::CopyDesktop{&dialog, &sound, &busy, &settings}}};

  // The user types `folder` and presses OK (with the sound option as given).
  void answerOk(const QString& folder, bool sound = true) {
    dialog.user = [folder, sound](shell::CopyForm& form) {
      form.form()(QStringLiteral("txtPath")).text = folder;
      form.form()(QStringLiteral("chkSound")).value = sound ? 1 : 0;
      form.cmdOK_Click();
    };
  }
  void addLower(const QString& path, bool checked = true, qint64 size = 0) {
    window.catalogue().lstsec().append(catalogue::FileEntry{path, {}, {}, {}, size, 0, checked});
  }
};

}  // namespace testing_support
