// The size-limit box: its text is the capacity in megabytes, its tag the same in bytes.
#pragma once

#include "catalogue/Form.h"

namespace search {

// Keeps the tag in step with the text; a text that is not a number becomes "4450".
void txtlimit_Change(catalogue::Form& form);

}  // namespace search
