// The walk below an added folder: every folder in depth-first order, each folder read once
// for its files and its subfolders, and its subfolders taken whole before any is entered.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "catalogue/RunState.h"
#include "catalogue/SkippedFolders.h"
#include "platform/EventPump.h"
#include "platform/FolderListing.h"

namespace catalogue {

// Reads the files and subfolders of one folder; nothing when it cannot be read.
using FolderReader = std::function<std::optional<platform::FolderContents>(const QString& folder)>;
// Takes the files of one folder the walk reached.
using FolderVisit = std::function<void(const QString& folder, const std::vector<platform::ListedFile>& files)>;

// Hands every folder below `top` to `visit`, each directly followed by those below it;
// `topContents` is the reading of `top` the caller made. A folder that cannot be read is
// noted in `skipped` instead. A folder that is its own ancestor (a bind mount inside
// itself) is left out, so the walk always ends. The walk stops when `run.stopflag` is set.
void walkFolders(const QString& top, platform::FolderContents topContents, const FolderReader& read,
                 const FolderVisit& visit, platform::EventPump& pump, const RunState& run, SkippedFolders& skipped);

}  // namespace catalogue
