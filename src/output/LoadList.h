// The Load command: reads a list file back into the lower list, measuring every file
// anew, so that a list whose files are gone comes back empty and can be thrown away. A
// second press while it runs stops it.
#pragma once

#include "catalogue/WindowContext.h"
#include "output/OpenSaveDlg.h"
#include "platform/Messages.h"
#include "platform/Trash.h"

namespace output {

struct LoadServices {
  OpenSaveDlg& dialogs;
  platform::Messages& messages;
  platform::Trash& trash;
};

void cmdload_Click(catalogue::WindowContext& window, LoadServices services);

}  // namespace output
