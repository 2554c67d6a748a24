// How full the chosen files make the medium, by the figures the window shows.
#pragma once

#include <QString>
#include <QtGlobal>

#include "catalogue/FileList.h"

namespace catalogue {

// The utilization of a medium of `limitMegabytes` by `bytes`, as a percentage ("92.64"):
// the bytes count as the megabytes the total box shows, to two decimals.
QString utilizationPercent(qint64 bytes, double limitMegabytes);
// The sum of the sizes of the rows.
qint64 listBytes(const FileList& rows);

}  // namespace catalogue

