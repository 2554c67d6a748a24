// Scripted dialogs, trash and drives for the output commands, and the thin context they run
// in: the two lists, the shared flags and a scripted pump over a temporary tree, no window.
#pragma once

#include <QLocale>

#include <unistd.h>

#include "catalogue/CommandContext.h"
#include "platform/FileDialogs.h"
#include "platform/BusyCursor.h"
#include "platform/FileNames.h"
#include "platform/OpticalDrives.h"
#include "platform/Sound.h"
#include "platform/Trash.h"
#include "support/CatalogueFakes.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

namespace testing_support {

// Every dialog returns the next answer, or is cancelled when none is left.
class ScriptedFileDialogs final : public platform::FileDialogs {
 public:
  QString saveFileName(const QString& title, const QString& at, const QString&) override { return next(title, at); }
  QString openFileName(const QString& title, const QString& at, const QString&) override { return next(title, at); }
  QString next(const QString& title, const QString&) {
    titles.append(title);
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  QStringList answers, titles;
};

// Records what it is given; with `removes` it takes the files away (as a trash would),
// except those in `refuses`, which it reports back as failed.
class RecordingTrash final : public platform::Trash {
 public:
  QStringList moveToTrash(const QStringList& paths) override {
    received += paths;
    QStringList failed;
    for (const QString& path : paths)
      if (refuses.contains(path))
        failed.append(path);
      else if (removes)
        ::unlink(platform::encodeFileName(path).constData());
    return failed;
  }
  QStringList received, refuses;
  bool removes = false;
};

// The optical drives of the machine, as a test sets them.
struct ScriptedDrives final : platform::OpticalDrives {
  QList<platform::OpticalDrive> drives() const override { return present; }
  QList<platform::OpticalDrive> present;
};

// The sound, busy pointer and progress frame of a copy, recorded.
struct RecordingDesktop final : platform::Sound, platform::BusyCursor, catalogue::ProgressView {
  void play(const QString& file) override { played.append(file); }
  void setBusy(bool busy) override { calls.append(busy); }
  void begin(const QString& activity) override { status(activity), ++shows; }
  void status(const QString& text) override { current = text; }
  void end() override { --shows; }
  QStringList played;
  QList<bool> calls;  // the busy pointer
  QString current;    // the status line
  int shows = 0;      // the progress frame shows while above 0
};

// A command context over empty lists, with the messages, dialogs and trash a command may
// use; totals are written with "." whatever the user's locale.
struct OutputBench {
  OutputBench() { QLocale::setDefault(QLocale::c()); }
  ~OutputBench() { QLocale::setDefault(saved); }

  QLocale saved;
  TempTree tree;
  TestValueStore registry;
  catalogue::Catalogue lists{registry};
  catalogue::RunState run;
  ScriptedPump pump;
  catalogue::NoProgress noProgress;
  catalogue::CommandContext context{lists, run, pump, noProgress};
  RecordingMessages messages;
  ScriptedFileDialogs dialogs;
  RecordingTrash trash;

  // A file of `mb` megabytes in the tree, and its path.
  QString file(const QString& name, double mb) {
    tree.file(name, qint64(mb * 1048576));
    return tree.path(name);
  }
  void addLower(const QString& path, qint64 size = 0, bool checked = true) {
    lists.lstsec().append(catalogue::FileEntry{path, {}, {}, size, 0, checked});
  }
  QStringList lower() const { return fields(lists.lstsec(), &catalogue::FileEntry::text); }
};

}  // namespace testing_support
