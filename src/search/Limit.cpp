// The numeric test is the user's number format, with blanks around the number allowed.
#include "search/Limit.h"

#include <QLocale>

#include "catalogue/Numbers.h"

namespace search {

namespace {

const QString limitBox = QStringLiteral("txtlimit");

}  // namespace

void txtlimit_Change(catalogue::Form& form) {
  catalogue::Control& box = form(limitBox);
  bool numeric = false;
  double megabytes = QLocale().toDouble(box.text.trimmed(), &numeric);
  if (!numeric) {
    box.text = box.items.value(0, QStringLiteral("4450"));
    megabytes = QLocale().toDouble(box.text, &numeric);
  }
  box.tag = catalogue::numberText(megabytes * 1024 * 1024);
}

}  // namespace search
