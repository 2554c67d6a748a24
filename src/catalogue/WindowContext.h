// What the commands of the search and output layers work on: the window's records, the
// two lists, the shared flags, the event pump and (with a display) the icons.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"
#include "catalogue/RunState.h"
#include "platform/EventPump.h"

namespace catalogue {

class IconCache;

struct WindowContext {
  Form& form;
  Catalogue& catalogue;
  RunState& run;
  platform::EventPump& pump;
  IconCache* icons = nullptr;
};

}  // namespace catalogue
