// The walk keeps folder names, never open folders, so a tree thousands of levels deep
// needs no more descriptors than a flat one.
#include "catalogue/FolderWalk.h"

#include <algorithm>
#include <vector>

#include "catalogue/Paths.h"

namespace catalogue {

void walkFolders(const QString& top, const SubfolderReader& read, platform::EventPump& pump, const RunState& run,
                 QStringList& found, SkippedFolders& skipped) {
  struct Level {
    QString folder;
    platform::FolderIdentity identity;
    QStringList names;
    qsizetype next = 0;
  };
  std::vector<Level> levels;  // the folders from the top down to the one being read

  // Reads a folder's subfolders and makes a readable folder the deepest level; false for
  // a folder that is one of its own ancestors.
  const auto enter = [&](const QString& path) {
    std::optional<platform::Subfolders> listed = read(path);
    if (!listed) {
      skipped.note(path);
      return true;
    }
    const bool loop = std::any_of(levels.begin(), levels.end(),
                                  [&](const Level& above) { return above.identity == listed->identity; });
    if (loop) return false;
    levels.push_back({path, listed->identity, std::move(listed->names)});
    return true;
  };

  enter(top);
  while (!levels.empty()) {
    Level& level = levels.back();
    if (run.stopflag || level.next >= level.names.size()) {
      levels.pop_back();
      continue;
    }
    const QString path = chkdir(level.folder, level.names[level.next++]);
    pump.pump();
    if (path.endsWith(QStringLiteral("pagefile.sys"))) continue;
    if (enter(path)) found.append(path);  // before anything below it
  }
}

}  // namespace catalogue
