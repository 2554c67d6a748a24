// The Stop command: raises the stop request that the long loops poll and closes the
// progress frame. The gathering commands also run it once at their end.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"
#include "catalogue/RunState.h"

namespace search {

void cmdstop_Click(catalogue::Form& form, catalogue::Catalogue& catalogue, catalogue::RunState& run);

}  // namespace search
