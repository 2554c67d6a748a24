// A main window with the in-process clipboard and a recording process starter, on a PATH
// that holds only a folder of the test's own: the burner found is the one the test puts there.
#pragma once

#include <QFile>

#include "platform/FileNames.h"
#include "support/TestServices.h"
#include "support/TempTree.h"

namespace testing_support {

struct RecordingProcessStart final : platform::ProcessStart {
  bool startDetached(const QString& program, const QStringList& arguments) override {
    started.append(QStringList{program} + arguments);
    return !refuses;
  }
  qint64 commandLineRoom() const override { return room; }
  QList<QStringList> started;  // program and arguments
  bool refuses = false;
  qint64 room = 1 << 20;
};

// PATH is the folder "bin" of `tree` while it lives.
struct TestPath {
  TestPath() {
    tree.folder(QStringLiteral("bin"));
    qputenv("PATH", platform::encodeFileName(bin()));
  }
  ~TestPath() { qputenv("PATH", saved); }
  QString bin() const { return tree.path(QStringLiteral("bin")); }
  // An executable `name` in that folder holding `script`.
  QString program(const QString& name, const QByteArray& script = {}) {
    QFile file(bin() + u'/' + name);
    const bool made = file.open(QIODevice::WriteOnly) && file.write(script) == script.size();
    return made && file.setPermissions(QFile::ReadOwner | QFile::ExeOwner) ? file.fileName() : QString();
  }
  TempTree tree;
  QByteArray saved = qgetenv("PATH");
};

struct BurnerWindow : TestServices {
  // Start-up finds the burners named in `burners` (blank-separated, none when empty),
  // programs holding `script`; burnerPath is the last one's. Programs are started by
  // `starter`, or recorded.
  explicit BurnerWindow(const QString& burners = {}, platform::ProcessStart* starter = nullptr,
                        const QByteArray& script = {})
      : starter(starter ? starter : &recorder) {
    for (const QString& burner : burners.split(u' ', Qt::SkipEmptyParts)) burnerPath = path.program(burner, script);
    window.Form_Load({}, nullptr);
  }
  // Lower rows (path, checked), then the availability tick that enables the clipboard button.
  void lower(const QList<std::pair<QString, bool>>& rows) {
    for (const auto& [path, checked] : rows)
      window.catalogue().lstsec().append(catalogue::FileEntry{path, {}, {}, 0, 0, checked});
    window.Timer_Timer();
  }

  TestPath path;
  QString burnerPath;
  platform::QtClipboard clipboard;
  RecordingProcessStart recorder;
  platform::ProcessStart* starter;
  shell::MainForm window{services({.clipboard = &clipboard, .processes = starter})};
};

}  // namespace testing_support
