// What the commands below the shell work on: the two lists, the shared flags, the event
// pump, the icons (with a display) and the progress frame. The window's records are not
// part of it: the shell hands each command the values it needs and shows what it returns.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/ProgressView.h"
#include "catalogue/RunState.h"
#include "platform/EventPump.h"

namespace catalogue {

class IconCache;

struct CommandContext {
  Catalogue& catalogue;
  RunState& run;
  platform::EventPump& pump;
  ProgressView& progress;
  IconCache* icons = nullptr;
};

}  // namespace catalogue
