// The numeric test takes the number as the program writes it (the user's format) and as
// it is usually typed ("." as the decimal point), with blanks around it.
#include "search/Limit.h"

#include <cmath>
#include <optional>

#include "catalogue/Numbers.h"

namespace search {

namespace {

const QString limitBox = QStringLiteral("txtlimit");

// The bytes to the last digit, however many: the limit used is exactly the one the box shows.
QString bytesText(double bytes) {
  if (bytes == std::floor(bytes)) return QString::number(qint64(bytes));  // a capacity that fits holds in 64 bits
  return QString::number(bytes, 'g', 17);
}

std::optional<double> capacity(const QString& text) {
  const std::optional<double> megabytes = catalogue::userNumber(text);
  if (!megabytes || !capacityFits(*megabytes)) return std::nullopt;
  return megabytes;
}

}  // namespace

bool capacityFits(double megabytes) {
  const double bytes = megabytes * double(catalogue::MB);
  return std::fabs(bytes) < std::ldexp(1.0, 63);  // false for infinity and NaN too
}

void txtlimit_Change(catalogue::Form& form) {
  catalogue::Control& box = form(limitBox);
  std::optional<double> megabytes = capacity(box.text);
  if (!megabytes) {
    box.text = box.items.value(0, QStringLiteral("4450"));
    megabytes = capacity(box.text);
  }
  box.tag = bytesText(megabytes.value_or(0) * double(catalogue::MB));
}

void txtlimit_Typed(catalogue::Form& form) {
  catalogue::Control& box = form(limitBox);
  if (const std::optional<double> megabytes = capacity(box.text))
    box.tag = bytesText(*megabytes * double(catalogue::MB));
}

}  // namespace search
