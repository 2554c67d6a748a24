// A main window wired to a recording process starter and the in-process clipboard, with
// PATH pointed at a folder of the test's own, so that the burner found is the one the test
// puts there.
#pragma once

#include <QFile>
#include <QList>
#include <QStringList>

#include "platform/Clipboard.h"
#include "platform/FileNames.h"
#include "platform/ProcessStart.h"
#include "shell/MainForm.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

namespace testing_support {

class RecordingProcessStart final : public platform::ProcessStart {
 public:
  struct Started {
    QString program;
    QStringList arguments;
  };
  bool startDetached(const QString& program, const QStringList& arguments) override {
    if (refuses) return false;
    started.append({program, arguments});
    return true;
  }
  qint64 commandLineRoom() const override { return room; }
  QList<Started> started;
  bool refuses = false;
  qint64 room = 1 << 20;
};

// PATH holds only a temporary "bin" folder while it lives; the old PATH comes back after.
class TestPath {
 public:
  TestPath() {
    tree.folder(QStringLiteral("bin"));
    qputenv("PATH", platform::encodeFileName(bin()));
  }
  ~TestPath() { qputenv("PATH", saved_); }
  Q_DISABLE_COPY_MOVE(TestPath)
  QString bin() const { return tree.path(QStringLiteral("bin")); }
  // An executable file `name` in that folder holding `script`.
  QString program(const QString& name, const QByteArray& script = {}) {
    const QString path = bin() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size()) return {};
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }
  TempTree tree;

 private:
  QByteArray saved_ = qgetenv("PATH");
};

struct BurnerWindow {
  // Start-up finds the program `burner` put on PATH with `script` (none when empty);
  // programs are started by `starter`, or recorded.
  explicit BurnerWindow(const QString& burner = QString(), platform::ProcessStart* starter = nullptr,
                        const QByteArray& script = {})
      : processes(starter) {
    if (!burner.isEmpty()) burnerPath = path.program(burner, script);
    window.Form_Load({}, nullptr);
  }
  shell::Services services() {
    shell::Services s{messages, picker, pump, registry, nullptr, QString()};
    s.clipboard = &clipboard;
    s.processes = processes ? processes : &recorder;
    return s;
  }
  // Lower rows with these paths, checked as told, and the clipboard command available.
  void lower(const QList<std::pair<QString, bool>>& rows) {
    catalogue::FileList& list = window.catalogue().lstsec();
    for (const auto& [text, checked] : rows) {
      list.append(catalogue::FileEntry{text, {}, {}, {}});
      list.setChecked(list.count() - 1, checked);
    }
    window.Timer_Timer();
  }

  TestPath path;
  QString burnerPath;
  ScriptedPump pump;
  RecordingMessages messages;
  ScriptedPicker picker;
  TestValueStore registry;
  platform::QtClipboard clipboard;
  RecordingProcessStart recorder;
  platform::ProcessStart* processes;
  shell::MainForm window{services()};
};

}  // namespace testing_support
