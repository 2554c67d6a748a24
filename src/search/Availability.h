// The availability timer: every tick sets which commands can be used from the row counts
// of the two lists, and moves the magnifier of the progress frame one step.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"

namespace search {

constexpr int timerIntervalMs = 100;

void Timer_Timer(catalogue::Form& form, const catalogue::Catalogue& lists);

}  // namespace search
