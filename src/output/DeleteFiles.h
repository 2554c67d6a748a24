// Deleting burned files: the checked files of the lower list go to the trash after the
// user has said Yes, and every entry whose file is gone leaves both lists.
#pragma once

#include "catalogue/WindowContext.h"
#include "platform/Messages.h"
#include "platform/Trash.h"

namespace output {

void mnufiledelete_Click(catalogue::WindowContext& window, platform::Messages& messages, platform::Trash& trash);

}  // namespace output
