// Scripted dialogs, questions and trash for the search and list-file commands, and a main
// window wired to them over a temporary tree.
#pragma once

#include <QLocale>

#include <unistd.h>
#include <ostream>
#include <utility>

#include "platform/FileNames.h"
#include "shell/MainFormControls.h"
#include "support/TestServices.h"
#include "support/TempTree.h"

namespace mainform = shell::mainform;

namespace catalogue {
// Lets a control id name itself in a failed expectation.
inline std::ostream& operator<<(std::ostream& out, ControlId id) { return out << id.name; }
}  // namespace catalogue

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

struct TestWindow : TestServices {
  using Files = std::initializer_list<std::pair<const char*, double>>;  // name, megabytes

  // Totals are written with the user's decimal separator; the tests expect ".".
  // `dataFolder` holds the language packs ("language" below it); none by default.
  explicit TestWindow(platform::IconProvider* icons = nullptr, QString dataFolder = {})
      : icons(icons), dataFolder(std::move(dataFolder)) {
    QLocale::setDefault(QLocale::c());
  }
  ~TestWindow() { QLocale::setDefault(saved); }

  QLocale saved;
  platform::IconProvider* icons;
  QString dataFolder;
  TempTree tree;
  ScriptedFileDialogs dialogs;
  RecordingTrash trash;
  ScriptedDrives drives;
  shell::MainForm window{
      services({.icons = icons, .fileDialogs = &dialogs, .trash = &trash, .drives = &drives, .dataFolder = dataFolder})};

  catalogue::Control& operator[](catalogue::ControlId id) { return window.form()(id); }
  QString in(const QString& name) const { return tree.path(QStringLiteral("in/") + name); }
  // Makes the files in the folder "in" and, unless told not to, runs Add on it.
  void gather(Files files, bool add = true) {
    for (const auto& [name, mb] : files) tree.file(QStringLiteral("in/") + name, qint64(mb * 1048576));
    if (add) (*this)[mainform::txtdir].text = tree.path(QStringLiteral("in")), window.cmdadd_Click();
  }
  // One drive, with a disc mounted on `folder`, behind the first drive button.
  void insertDisc(const QString& folder) {
    drives.present = {{QStringLiteral("/dev/sr0"), folder}};
    window.CDROM_Load();
  }
  void addLower(const QString& path) { window.catalogue().lstsec().append(catalogue::FileEntry{path, {}, {}, {}}); }
  QStringList lower() const { return fields(window.catalogue().lstsec(), &catalogue::FileEntry::text); }
  QStringList upper() const { return fields(window.catalogue().lstmain(), &catalogue::FileEntry::text); }
  static QList<bool> checks(const catalogue::FileList& list) { return fields(list, &catalogue::FileEntry::checked); }
  // One field of every row, in row order.
  template <class Field>
  static QList<Field> fields(const catalogue::FileList& rows, Field catalogue::FileEntry::*field) {
    QList<Field> out;
    for (int row = 0; row < rows.count(); ++row) out.append(rows.at(row).*field);
    return out;
  }
};

}  // namespace testing_support
