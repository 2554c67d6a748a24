// The size-limit box: its text is the capacity in megabytes, its tag the same in bytes.
#pragma once

#include "catalogue/Form.h"

namespace search {

// Whether a capacity of that many megabytes is a byte count the program can hold: finite
// and less than 2^63 bytes either way.
bool capacityFits(double megabytes);

// Keeps the tag in step with the text; a text that is not a number, or not a capacity that
// fits, becomes "4450".
void txtlimit_Change(catalogue::Form& form);
// While the user types: the tag follows a text that is a capacity, and nothing else
// changes, so the user can clear the box and type a new number.
void txtlimit_Typed(catalogue::Form& form);

}  // namespace search
