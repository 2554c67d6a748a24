// The Save command: asks for a name and writes the lower list to it.
#pragma once

#include "catalogue/WindowContext.h"
#include "output/OpenSaveDlg.h"
#include "platform/Messages.h"

namespace output {

void cmdsave_Click(catalogue::WindowContext& window, OpenSaveDlg& dialogs, platform::Messages& messages);

}  // namespace output
