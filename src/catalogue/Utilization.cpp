// The total takes part as written, rounded to hundredths of megabytes, so the percentage
// agrees with the figures beside it.
#include "catalogue/Utilization.h"

#include "catalogue/Numbers.h"

namespace catalogue {

QString utilizationPercent(qint64 bytes, double limitMegabytes) {
  return percentText(double(roundedHundredths(bytes, MB)) / 100, limitMegabytes);
}

qint64 listBytes(const FileList& rows) {
  qint64 bytes = 0;
  for (int row = 0; row < rows.count(); ++row) bytes += rows.at(row).size;
  return bytes;
}

}  // namespace catalogue
