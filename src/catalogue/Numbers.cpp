// Number reading and size formatting. Rounding works on whole numbers so that ties go to
// the even digit exactly, whatever the size.
#include "catalogue/Numbers.h"

#include <QLocale>
#include <cmath>
#include <iterator>

namespace catalogue {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The decimal digits of a number that is not negative.
void appendDigits(QString& out, qint64 value, qsizetype width = 0) {
  char16_t digits[20];
  qsizetype n = 0;
  do {
    digits[std::size(digits) - ++n] = char16_t(u'0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (qsizetype pad = n; pad < width; ++pad) out += u'0';
  out.append(reinterpret_cast<const QChar*>(digits + std::size(digits) - n), n);
}

void appendHundredthsFixed(QString& out, qint64 hundredths, QStringView decimalPoint) {
  appendDigits(out, hundredths / 100);
  const int cents = int(hundredths % 100);
  out += decimalPoint;
  out += QChar(u'0' + cents / 10);
  out += QChar(u'0' + cents % 10);
}

}  // namespace

QString decimalSeparator() { return QLocale().decimalPoint(); }

double leadingNumber(const QString& text) {
  const double v = leadingNumberUnbounded(text);
  return std::isfinite(v) ? v : 0;
}

double leadingNumberUnbounded(const QString& text) {
  // Collect the characters of the number, skipping blanks, then convert the longest
  // prefix that is a complete number.
  QString digits;
  qsizetype i = 0;
  const qsizetype n = text.size();
  auto skipBlanks = [&] {
    while (i < n && isBlank(text.at(i))) ++i;
  };
  skipBlanks();
  if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) digits += text.at(i++);
  bool anyDigit = false;
  bool point = false;
  for (skipBlanks(); i < n; skipBlanks()) {
    const QChar c = text.at(i);
    if (c.isDigit() && c.unicode() < 128) {
      digits += c;
      anyDigit = true;
    } else if (c == u'.' && !point) {
      digits += c;
      point = true;
    } else {
      break;
    }
    ++i;
  }
  if (!anyDigit) return 0;
  // Exponent: only when complete ("1e" alone keeps the 1).
  if (i < n && (text.at(i) == u'e' || text.at(i) == u'E' || text.at(i) == u'd' || text.at(i) == u'D')) {
    qsizetype j = i + 1;
    QString exp = QStringLiteral("e");
    while (j < n && isBlank(text.at(j))) ++j;
    if (j < n && (text.at(j) == u'+' || text.at(j) == u'-')) exp += text.at(j++);
    bool expDigit = false;
    while (j < n && ((text.at(j).isDigit() && text.at(j).unicode() < 128) || isBlank(text.at(j)))) {
      if (!isBlank(text.at(j))) {
        exp += text.at(j);
        expDigit = true;
      }
      ++j;
    }
    if (expDigit) digits += exp;
  }
  bool ok = false;
  const double v = digits.toDouble(&ok);
  if (ok) return v;
  return std::isinf(v) ? v : 0;  // an overflow comes back infinite and not ok
}

std::optional<double> userNumber(const QString& text) {
  const QString trimmed = text.trimmed();
  const auto read = [&trimmed](QLocale locale) -> std::optional<double> {
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
  };
  const std::optional<double> v = read(QLocale());
  return v ? v : read(QLocale::c());
}

double writtenNumber(const QString& text) { return userNumber(text).value_or(leadingNumber(text)); }

qint64 roundedHundredths(qint64 bytes, qint64 unit) {
  const __int128 scaled = __int128(bytes) * 100;
  __int128 q = scaled / unit;
  const __int128 r = scaled % unit;
  if (2 * r > unit || (2 * r == unit && (q % 2) != 0)) ++q;
  return qint64(q);
}

QString hundredthsShortest(qint64 hundredths) {
  QString text = QString::number(hundredths / 100);
  const qint64 cents = hundredths % 100;
  if (cents == 0) return text;
  text += decimalSeparator() + QString::number(cents / 10);
  if (cents % 10) text += QString::number(cents % 10);
  return text;
}

namespace {

// What GetSize writes: the unit, and the bytes or the hundredths of that unit.
enum class SizeUnit { None, Bytes, Kilo, Mega, Giga };
struct UnitSize {
  SizeUnit unit;
  qint64 value;
};

UnitSize unitSize(qint64 bytes) {
  if (bytes < 0) return {SizeUnit::None, 0};
  if (bytes < KB) return {SizeUnit::Bytes, bytes};
  if (bytes <= MB) return {SizeUnit::Kilo, roundedHundredths(bytes, KB)};
  if (bytes <= GB) return {SizeUnit::Mega, roundedHundredths(bytes, MB)};
  return {SizeUnit::Giga, roundedHundredths(bytes, GB)};
}

}  // namespace

QString GetSize(qint64 bytes) {
  QString text;
  appendSize(text, bytes, decimalSeparator());
  return text;
}

void appendSize(QString& out, qint64 bytes, QStringView decimalPoint) {
  const auto [unit, value] = unitSize(bytes);
  switch (unit) {
    case SizeUnit::None:
      return;
    case SizeUnit::Bytes:
      appendDigits(out, value);
      out += u" B";
      return;
    case SizeUnit::Kilo:
    case SizeUnit::Mega:
    case SizeUnit::Giga:
      break;
  }
  appendHundredthsFixed(out, value, decimalPoint);
  out += unit == SizeUnit::Kilo ? u" KB" : unit == SizeUnit::Mega ? u" MB" : u" GB";
}

quint64 sizeTextKey(qint64 bytes) {
  // The value stays below 2^60: hundredths of a gigabyte of at most 2^63 bytes.
  const auto [unit, value] = unitSize(bytes);
  return quint64(unit) << 60 | quint64(value);
}

QString GetSize(const QString& sizeText) {
  const double v = leadingNumber(sizeText);
  // Sizes are whole bytes; a fraction in the text is rounded like any other value.
  return GetSize(qint64(std::nearbyint(v)));
}

QString bytesColumn(qint64 bytes) {
  QString digits;
  appendBytesColumn(digits, bytes);
  return digits;
}

void appendBytesColumn(QString& out, qint64 bytes) {
  if (bytes >= 0) return appendDigits(out, bytes, 10);
  const QString digits = QString::number(bytes);  // the sign comes after the padding
  out += QString(10 - digits.size(), QChar(u'0')) + digits;
}

QString megabytesText(qint64 bytes) { return hundredthsShortest(roundedHundredths(bytes, MB)); }

QString numberText(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15) return QString::number(qint64(value));
  return QString::number(value, 'g', 15);
}

QString userNumberText(double value) { return numberText(value).replace(u'.', decimalSeparator()); }

QString percentText(double part, double whole) {
  if (!(whole > 0) || !std::isfinite(part)) return QStringLiteral("0");
  const double hundredths = std::nearbyint(part / whole * 100 * 100);  // the default rounding is ties to even
  if (!std::isfinite(hundredths) || std::fabs(hundredths) > 9e15) return numberText(part / whole * 100);
  return hundredthsShortest(qint64(hundredths));
}

}  // namespace catalogue
