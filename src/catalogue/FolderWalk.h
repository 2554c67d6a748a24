// The walk below an added folder: every folder in depth-first order, each folder's
// subfolders read whole before any of them is entered.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "catalogue/RunState.h"
#include "catalogue/SkippedFolders.h"
#include "platform/EventPump.h"
#include "platform/FolderListing.h"

namespace catalogue {

// Reads the subfolders of one folder; nothing when it cannot be read.
using SubfolderReader = std::function<std::optional<platform::Subfolders>(const QString& folder)>;

// Appends every folder below `top` to `found`, each followed directly by those below it.
// A folder that cannot be read is still appended (its files are tried later) and noted
// in `skipped`. A folder that is its own ancestor (a bind mount inside itself) is left
// out, so the walk always ends. The walk stops when `run.stopflag` is set.
void walkFolders(const QString& top, const SubfolderReader& read, platform::EventPump& pump, const RunState& run,
                 QStringList& found, SkippedFolders& skipped);

}  // namespace catalogue
