// The lower list's figures in the main window's records: its total, its summary and how
// full it makes the medium.
#pragma once

#include <QtGlobal>

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"

namespace shell {

// The summary under the lower list, of the megabytes the total box shows; counting as on
// disc, it names the size of the disc image of the list as well.
void showLowerSummary(catalogue::Form& form, const catalogue::Catalogue& catalogue, bool countAsOnDisc);
// The lower list totalling `bytes`: the megabytes in the total box and the summary below the list.
void showLowerTotals(catalogue::Form& form, const catalogue::Catalogue& catalogue, qint64 bytes, bool countAsOnDisc);
// The same, and the utilization of a medium of `limitMegabytes`.
void showLowerResult(catalogue::Form& form, const catalogue::Catalogue& catalogue, qint64 bytes,
                     double limitMegabytes, bool countAsOnDisc);

}  // namespace shell
