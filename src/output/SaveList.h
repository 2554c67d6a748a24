// The Save command: asks for a name and writes the lower list to it.
#pragma once

#include "catalogue/Catalogue.h"
#include "output/ListFile.h"
#include "output/OpenSaveDlg.h"
#include "platform/Messages.h"

namespace output {

// Writes the lower list of `catalogue` to the file the user names, its summary against
// `limit`. The shell offers it only while Save is available.
void cmdsave_Click(catalogue::Catalogue& lists, const ShownLimit& limit, OpenSaveDlg& dialogs,
                   platform::Messages& messages);

}  // namespace output
