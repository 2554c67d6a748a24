// The rate is kept as the 16-bit number the estimate has always used, so that the speeds
// past its range keep giving no estimate instead of a wrong one.
#include "search/BurnTime.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "catalogue/Numbers.h"

namespace search {

namespace {

constexpr qint32 kilobytesPerSecondAt1x = 150;

QString twoDigits(qint64 value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

// A double as a whole number in [low, high]; not a number counts as 0.
qint64 clampedRound(double value, qint64 low, qint64 high) {
  if (std::isnan(value)) return 0;
  const double rounded = std::rint(value);
  if (rounded <= double(low)) return low;
  if (rounded >= double(high)) return high;
  return qint64(rounded);
}

}  // namespace

qint32 intdiv(qint64& Number, qint64 bywhat) {
  if (bywhat <= 0 || Number < bywhat) return 0;
  const qint64 count = std::min<qint64>(Number / bywhat, std::numeric_limits<qint32>::max());
  Number -= count * bywhat;
  return qint32(count);
}

QString time(qint64 whattime) {
  qint64 rest = whattime;
  const qint32 hours = intdiv(rest, 3600);
  const qint32 minutes = intdiv(rest, 60);
  const QString minutesAndSeconds = twoDigits(minutes) + QLatin1Char(':') + twoDigits(rest);
  if (hours == 0) return minutesAndSeconds;
  return twoDigits(hours) + QLatin1Char(':') + minutesAndSeconds;
}

QString burntime(qint32 sizeKb, quint8 speed) {
  if (sizeKb < 1 || speed == 0) return time(0);
  const qint32 rate = qint32(speed) * kilobytesPerSecondAt1x;
  if (rate > std::numeric_limits<qint16>::max()) return {};
  return time(qint64(std::floor(double(sizeKb) / double(rate))));
}

std::optional<quint8> entrySpeed(const QString& entry) {
  const double speed = std::rint(catalogue::leadingNumber(entry.left(entry.size() - 1)));
  if (!(speed >= 0 && speed <= std::numeric_limits<quint8>::max())) return std::nullopt;
  return quint8(speed);
}

QString speedEstimate(qint64 bytes, quint8 speed) {
  const double megabytes = double(catalogue::roundedHundredths(bytes, catalogue::MB)) / 100;
  const qint64 kilobytes = clampedRound(megabytes * double(catalogue::KB), std::numeric_limits<qint32>::min(),
                                        std::numeric_limits<qint32>::max());
  return burntime(qint32(kilobytes), speed);
}

QStringList speedList() {
  QStringList speeds{QStringLiteral("1x"), QStringLiteral("2x")};
  for (int speed = 4; speed <= 100; speed += 4) speeds << QString::number(speed) + QLatin1Char('x');
  return speeds;
}

}  // namespace search
