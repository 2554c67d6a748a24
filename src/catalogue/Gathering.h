// Filling the upper list from folders and taking folders out of it again: the Add,
// Remove and Browse commands, a drop of folders on the folder box and the folder walk.
#pragma once

#include <QtGlobal>
#include <QString>
#include <QStringList>
#include <functional>

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"
#include "catalogue/RunState.h"
#include "catalogue/SkippedFolders.h"
#include "platform/EventPump.h"
#include "platform/FolderPicker.h"
#include "platform/Messages.h"

namespace catalogue {

class IconCache;

struct GatheringServices {
  platform::Messages& messages;
  platform::FolderPicker& picker;
  platform::EventPump& pump;
  IconCache* icons = nullptr;           // none without a display
  QString programFolder;                // the folder of the executable
  std::function<void()> stopHandler;    // closes the progress display at the end of a walk
};

// The index of the last entry of a combo box's list that equals `Name` in any case, or -1.
int getitem(const QString& Name, const QStringList& combo);

class Gathering {
 public:
  static constexpr int historyLength = 8;
  // Holds references to the window's records and lists.
  Q_DISABLE_COPY_MOVE(Gathering)

  Gathering(Form& form, Catalogue& catalogue, RunState& run, GatheringServices services);

  void cmdadd_Click();
  void cmddel_Click();
  void cmddir_Click();
  // The folder (quotes removed) into the folder box, the subfolder choice, then Add.
  void addpath(const QString& path, bool recurse);
  // Adds the files of every dropped folder to what the list holds; dropped files are ignored.
  void dropOnFolderBox(const QStringList& paths);
  // Adds dropped folders (their own files) and files to what the list holds.
  void dropOnUpperList(const QStringList& paths);
  // Enables or disables the controls that must not change while files are gathered.
  void cntable(bool state);

  // The files of one folder (no subfolders) under the current pattern; false when the
  // folder cannot be opened, in which case nothing is added.
  bool addfolder(const QString& folder);
  // Appends every folder below `folder` to lsttri, depth-first, each followed by its own;
  // folders that cannot be read are noted for the message at the end of the Add.
  void Recurse(const QString& folder);

  // The absolute, tidy form of a typed folder: "~" expanded, relative names resolved
  // against the current folder, no trailing separator except on the root.
  static QString folderOf(const QString& typed);


 private:
  bool exclusive() const;
  void rememberFolder(const QString& typed);
  void forgetFolder(const QString& typed);
  void tellCannotOpen(const QString& typed);
  void tellSkipped();

  Form& form_;
  Catalogue& catalogue_;
  RunState& run_;
  GatheringServices services_;
  QString listingPattern_ = QStringLiteral("*.*");  // the hidden file list's pattern
  QStringList lsttri_;
  SkippedFolders skipped_;
};

}  // namespace catalogue
