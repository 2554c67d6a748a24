// The Load command: reads a list file back into the lower list, measuring every file
// anew, so that a list whose files are gone comes back empty and can be thrown away. A
// second press while it runs stops it.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/WindowContext.h"
#include "output/OpenSaveDlg.h"
#include "platform/Messages.h"
#include "platform/Trash.h"

namespace output {

struct LoadServices {
  OpenSaveDlg& dialogs;
  platform::Messages& messages;
  platform::Trash& trash;
  // The Load button's caption, idle or while a load runs, in the language the window shows.
  std::function<QString(bool loading)> caption = [](bool loading) {
    return loading ? QStringLiteral("&Cancel") : QStringLiteral("&Load");
  };
};

void cmdload_Click(catalogue::WindowContext& window, LoadServices services);

}  // namespace output
