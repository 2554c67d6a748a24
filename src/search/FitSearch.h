// The fit search: one pass over the checked candidates in list order, taking every file
// that still fits on the medium into the lower list.
#pragma once

#include "catalogue/WindowContext.h"

namespace search {

void cmdsearch_Click(catalogue::WindowContext& window);

}  // namespace search
