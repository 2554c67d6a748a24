// All read the window's records; the number rules live in Numbers.
#include "catalogue/Utilization.h"

#include "catalogue/Numbers.h"

namespace catalogue {

double limitBytes(const Form& form) {
  const Control* box = form.find(QStringLiteral("txtlimit"));
  return box ? leadingNumber(box->tag) : 0;
}

QString utilizationCaption(const Form& form, double part, double whole) {
  const Control* label = form.find(QStringLiteral("lblpercent"));
  return percentText(part, whole) + (label ? label->tag : QString());
}

void showLowerTotals(Form& form, const Catalogue& catalogue, qint64 bytes) {
  Control& totalBox = form(QStringLiteral("txttotal"));
  totalBox.text = megabytesText(bytes);
  form(QStringLiteral("lblCountList2")).text = catalogue.lowerSummary(totalBox.text);
}

void showLowerResult(Form& form, const Catalogue& catalogue, qint64 bytes) {
  showLowerTotals(form, catalogue, bytes);
  form(QStringLiteral("lblpercent")).text =
      utilizationCaption(form, writtenNumber(form.text(QStringLiteral("txttotal"))),
                         writtenNumber(form.text(QStringLiteral("txtlimit"))));
}

qint64 listBytes(const FileList& rows) {
  qint64 bytes = 0;
  for (int row = 0; row < rows.count(); ++row) bytes += rows.at(row).size;
  return bytes;
}

}  // namespace catalogue
