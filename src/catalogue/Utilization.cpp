// Both read the window's records; the number rules live in Numbers.
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

}  // namespace catalogue
