// The walk keeps folder names, never open folders, so a tree thousands of levels deep
// needs no more descriptors than a flat one.
#include "catalogue/FolderWalk.h"

#include <algorithm>
#include <utility>

#include "catalogue/Paths.h"

namespace catalogue {

void walkFolders(const QString& top, platform::FolderContents topContents, const FolderReader& read,
                 const FolderVisit& visit, platform::EventPump& pump, const RunState& run, SkippedFolders& skipped) {
  struct Level {
    QString folder;
    platform::FolderIdentity identity;
    QStringList names;
    qsizetype next = 0;
  };
  std::vector<Level> levels;  // the folders from the top down to the one being read
  levels.push_back({top, topContents.identity, std::move(topContents.subfolders)});

  while (!levels.empty()) {
    Level& level = levels.back();
    if (run.stopflag || level.next >= level.names.size()) {
      levels.pop_back();
      continue;
    }
    const QString path = chkdir(level.folder, level.names[level.next++]);
    pump.pump();
    if (path.endsWith(QStringLiteral("pagefile.sys"))) continue;
    std::optional<platform::FolderContents> contents = read(path);
    if (!contents) {
      skipped.note(path);
      continue;
    }
    const bool loop = std::any_of(levels.begin(), levels.end(),
                                  [&](const Level& above) { return above.identity == contents->identity; });
    if (loop) continue;
    visit(path, contents->files);  // before anything below it
    levels.push_back({path, contents->identity, std::move(contents->subfolders)});
  }
}

}  // namespace catalogue
