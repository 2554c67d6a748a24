// The batch search: fit searches one after the other until no candidate is left, each
// result written to its own numbered list file.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/WindowContext.h"

namespace search {

struct BatchServices {
  std::function<QString()> askName;                      // the save dialog; empty when cancelled
  std::function<bool(const QString& path)> saveList;     // writes the lower list; false on failure
  std::function<void(const QString& text)> report;       // refusals and failures, no dialog
};

// The path of one cycle: every "." of the name becomes " NNN." (the cycle number with at
// least three digits); a name without "." gets " NNN" at its end.
QString cyclePath(const QString& name, int cycle);

void mnuscan_Click(catalogue::WindowContext& window, const BatchServices& services);

}  // namespace search
