// Copy to Folder: the checked files of the lower list staged below a folder with the
// folder structure they have below the root, ready for a burning program.
#pragma once

#include <QString>

#include "catalogue/CommandContext.h"
#include "platform/BusyCursor.h"
#include "platform/Messages.h"
#include "platform/Sound.h"

namespace output {

// Creates every level of `path` in turn, from the root down; a level that cannot be made
// does not keep the deeper ones from being tried. True when `path` is a folder afterwards;
// `failure`, when given, gets the system's reason the last level that failed gave (0 when
// none did).
bool MakeDir(const QString& path, int* failure = nullptr);
// Whether `path` names an existing folder; the root "/" itself never counts, as the bare
// root is never a place to stage files in.
bool FolderExists(const QString& path);
// An entry's path below the target: its full path without the leading "/".
QString relativePath(const QString& fullPath);

struct CopyServices {
  platform::Messages& messages;
  platform::Sound& sound;
  platform::BusyCursor& busy;
  QString soundFile;  // the completion sound
  bool playSound = true;
};

// Copies the checked lower entries, in list order, below `target`, which gets a trailing
// "/" when it has none and keeps it. Ends at the first file that cannot be copied, with a
// message; the files copied before it stay. The sound plays when every entry was copied.
// Below the target no link is followed, and each folder made there is no more open than
// the source folder it stands for.
// The progress frame shows each file with the counts.
void copyToFolder(catalogue::CommandContext& context, QString& target, const CopyServices& services);

}  // namespace output
