// The capacity of the medium and how full the chosen files make it, as the labels and
// list files show it, and the lower list's result as every command shows it.
#pragma once

#include <QString>

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"

namespace catalogue {

// The capacity in bytes, as the tag of the size-limit box holds it.
double limitBytes(const Form& form);

// "<percent><tag of lblpercent>": part against whole, e.g. "92.64% CD utilization".
QString utilizationCaption(const Form& form, double part, double whole);

// The lower list totalling `bytes`: the megabytes in txttotal and the summary in
// lblCountList2.
void showLowerTotals(Form& form, const Catalogue& catalogue, qint64 bytes);
// The same, and the utilization in lblpercent: the megabytes as txttotal now shows them
// against the limit as the size-limit box shows it, both read back as the program wrote
// them.
void showLowerResult(Form& form, const Catalogue& catalogue, qint64 bytes);
// The sum of the sizes of the rows.
qint64 listBytes(const FileList& rows);

}  // namespace catalogue
