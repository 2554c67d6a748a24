// A main window wired to the scripted services over a temporary tree, for the tests whose
// point is the window's records.
#pragma once

#include <QLocale>

#include <utility>

#include "shell/MainForm.h"
#include "shell/MainFormControls.h"
#include "support/CatalogueFakes.h"
#include "support/FileBytes.h"
#include "support/OutputServices.h"
#include "support/TestServices.h"

namespace mainform = shell::mainform;

namespace testing_support {

struct TestWindow : TestServices {
  using Files = std::initializer_list<std::pair<const char*, double>>;  // name, megabytes

  // Totals are written with the user's decimal separator; the tests expect ".".
  // `dataFolder` holds the language packs ("language" below it); none by default.
  explicit TestWindow(platform::IconProvider* icons = nullptr, QString dataFolder = {}, shell::CopyDesktop copy = {})
      : icons(icons), dataFolder(std::move(dataFolder)), copy(copy) {
    QLocale::setDefault(QLocale::c());
  }
  ~TestWindow() { QLocale::setDefault(saved); }

  QLocale saved;
  platform::IconProvider* icons;
  QString dataFolder;
  shell::CopyDesktop copy;
  TempTree tree;
  ScriptedFileDialogs dialogs;
  RecordingTrash trash;
  ScriptedDrives drives;
  shell::MainForm window{services(
      {.icons = icons, .fileDialogs = &dialogs, .trash = &trash, .drives = &drives, .dataFolder = dataFolder, .copy = copy})};

  catalogue::Control& operator[](catalogue::ControlId id) { return window.form()(id); }
  QString in(const QString& name) const { return tree.path(QStringLiteral("in/") + name); }
  // Makes the files in the folder "in" and, unless told not to, runs Add on it.
  void gather(Files files, bool add = true) {
    for (const auto& [name, mb] : files) tree.file(QStringLiteral("in/") + name, qint64(mb * 1048576));
    if (add) (*this)[mainform::txtdir].text = tree.path(QStringLiteral("in")), window.cmdadd_Click();
  }
  // A list file `name` in the tree naming `files` of "in", each line ended by `eol`; its path.
  QString listFile(const QString& name, const QStringList& files, const QString& eol = QStringLiteral("\r\n")) {
    QString text;
    for (const QString& file : files) text += in(file) + eol;
    return writeBytes(tree.path(name), text.toUtf8()) ? tree.path(name) : QString();
  }
  // One drive, with a disc mounted on `folder`, behind the first drive button.
  void insertDisc(const QString& folder) {
    drives.present = {{QStringLiteral("/dev/sr0"), folder}};
    window.CDROM_Load();
  }
  void addLower(const QString& path) { window.catalogue().lstsec().append(catalogue::FileEntry{path, {}, {}}); }
  QStringList lower() const { return fields(window.catalogue().lstsec(), &catalogue::FileEntry::text); }
  QStringList upper() const { return fields(window.catalogue().lstmain(), &catalogue::FileEntry::text); }
  static QList<bool> checks(const catalogue::FileList& list) { return fields(list, &catalogue::FileEntry::checked); }
};

}  // namespace testing_support
