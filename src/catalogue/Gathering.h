// Filling the upper list from folders and taking folders out of it again: the Add,
// Remove and Browse commands, drops of folders and files, and the folder walk.
#pragma once

#include <QtGlobal>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "catalogue/CommandContext.h"
#include "catalogue/GatheringView.h"
#include "catalogue/SkippedFolders.h"
#include "platform/FolderListing.h"
#include "platform/FolderPicker.h"
#include "platform/Messages.h"

namespace catalogue {

// What a gathering command is asked to do, as the window's choices stand.
struct GatherRequest {
  QString folder;          // as typed in the folder box
  bool recurse = false;    // the subfolders too
  QString pattern;         // the file pattern
  bool exclusive = false;  // the pattern names the files to leave out, not those to take
  QStringList history;     // the folders added before, the latest last
};

struct GatheringServices {
  platform::Messages& messages;
  platform::FolderPicker& picker;
  QString programFolder;  // the folder of the executable
};

// The index of the last entry of a combo box's list that equals `Name` in any case, or -1.
int getitem(const QString& Name, const QStringList& combo);

class Gathering {
 public:
  static constexpr int historyLength = 8;
  // Holds references to the lists and the view.
  Q_DISABLE_COPY_MOVE(Gathering)

  Gathering(const CommandContext& context, GatheringView& view, GatheringServices services);

  // The upper list anew from the folder (and its subfolders when asked).
  void add(const GatherRequest& request);
  // Takes the folder's files (or everything below it) out of the upper list.
  void remove(const GatherRequest& request);
  // The folder picker, starting at the typed folder; the choice goes into the folder box.
  void browse(const QString& typed);
  // Adds the files of every dropped folder to what the list holds; dropped files are ignored.
  void dropOnFolderBox(const QStringList& paths, const GatherRequest& request);
  // Adds dropped folders (their own files) and files to what the list holds.
  void dropOnUpperList(const QStringList& paths, const GatherRequest& request);

  // The absolute, tidy form of a typed folder: "~" expanded, relative names resolved
  // against the current folder, no trailing separator except on the root.
  static QString folderOf(const QString& typed);

 private:
  // One reading of a folder (a tidy absolute path) under the listing pattern of the last
  // Add: its files, and its subfolders when asked; nothing when it cannot be opened.
  std::optional<platform::FolderContents> readFolder(const QString& folder, bool withSubfolders);
  // Adds what one reading of the folder found, as the request's pattern takes it.
  void addFiles(const QString& folder, const std::vector<platform::ListedFile>& files, const GatherRequest& request);
  // The files of one folder (no subfolders); false when the folder cannot be opened, and
  // nothing is added.
  bool addfolder(const QString& folder, const GatherRequest& request);
  // Adds the files of every folder below `top`, depth-first, each folder followed by its
  // own; folders that cannot be read are noted for the message at the end of the Add.
  void Recurse(const QString& top, platform::FolderContents topContents, const GatherRequest& request);
  void tellCannotOpen(const QString& typed);
  void tellSkipped();

  CommandContext context_;
  GatheringView& view_;
  GatheringServices services_;
  QString listingPattern_ = QStringLiteral("*.*");  // the hidden file list's pattern
  SkippedFolders skipped_;
};

}  // namespace catalogue
