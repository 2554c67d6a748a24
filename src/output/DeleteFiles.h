// Deleting burned files: the checked files of the lower list go to the trash after the
// user has said Yes, and every entry whose file is gone leaves both lists. The shell shows
// the lower list's totals afterwards, as after every command that changes its rows.
#pragma once

#include "catalogue/Catalogue.h"
#include "platform/Messages.h"
#include "platform/Trash.h"

namespace output {

void mnufiledelete_Click(catalogue::Catalogue& lists, platform::Messages& messages, platform::Trash& trash);

}  // namespace output
