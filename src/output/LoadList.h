// The Load command: reads a list file back into the lower list, measuring every file
// anew, so that a list whose files are gone comes back empty and can be thrown away. A
// second press while it runs stops it.
#pragma once

#include <QString>

#include "catalogue/CommandContext.h"
#include "output/OpenSaveDlg.h"
#include "platform/Messages.h"
#include "platform/Trash.h"

namespace output {

struct LoadServices {
  OpenSaveDlg& dialogs;
  platform::Messages& messages;
  platform::Trash& trash;
};

// What the window shows of a load, at the moments the load reaches.
class LoadView {
 public:
  virtual ~LoadView() = default;
  // The list at `path` is open and about to be read.
  virtual void opened(const QString& path) = 0;
  // RunState::loading or the stop request changed: Load offers to stop while a load runs
  // that was not asked to stop, and to load otherwise.
  virtual void runChanged() = 0;
  // The rows read total `bytes`, as the lower list now holds them.
  virtual void measured(qint64 bytes) = 0;
};

// A press of Load: stops the load that runs (RunState::loading), else asks for a list (or
// takes the one dropped) and loads it.
void cmdload_Click(catalogue::CommandContext& context, const LoadServices& services, LoadView& view);

}  // namespace output
