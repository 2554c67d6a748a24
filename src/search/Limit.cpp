// The numeric test takes the number as the program writes it (the user's format) and as
// it is usually typed ("." as the decimal point), with blanks around it.
#include "search/Limit.h"

#include <cmath>

#include "catalogue/Numbers.h"

namespace search {

namespace {

// The bytes to the last digit, however many: the limit shown is exactly the one used.
QString bytesText(double bytes) {
  if (bytes == std::floor(bytes)) return QString::number(qint64(bytes));  // a capacity that fits holds in 64 bits
  return QString::number(bytes, 'g', 17);
}

Capacity capacityOf(const QString& text, double megabytes) {
  const double bytes = megabytes * double(catalogue::MB);
  return {text, bytesText(bytes), qint64(std::floor(bytes)), bytes, catalogue::writtenNumber(text)};
}

}  // namespace

bool capacityFits(double megabytes) {
  const double bytes = megabytes * double(catalogue::MB);
  return std::fabs(bytes) < std::ldexp(1.0, 63);  // false for infinity and NaN too
}

std::optional<Capacity> typedCapacity(const QString& text) {
  const std::optional<double> megabytes = catalogue::userNumber(text);
  if (!megabytes || !capacityFits(*megabytes)) return std::nullopt;
  return capacityOf(text, *megabytes);
}

Capacity changedCapacity(const QString& text, const QStringList& entries) {
  if (std::optional<Capacity> capacity = typedCapacity(text)) return *std::move(capacity);
  const QString first = entries.value(0, QStringLiteral("4450"));
  return typedCapacity(first).value_or(capacityOf(first, 0));
}

}  // namespace search
