// The capacity of the medium and how full the chosen files make it, as the labels and
// list files show it.
#pragma once

#include <QString>

#include "catalogue/Form.h"

namespace catalogue {

// The capacity in bytes, as the tag of the size-limit box holds it.
double limitBytes(const Form& form);

// "<percent><tag of lblpercent>": part against whole, e.g. "92.64% CD utilization".
QString utilizationCaption(const Form& form, double part, double whole);

}  // namespace catalogue
