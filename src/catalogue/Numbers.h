// Reading numbers from texts and writing sizes: the leading-number reading used by the
// command line and the "Bytes" column, the reading of the numbers the program writes in
// the user's format, GetSize, the zero-padded byte column and the megabyte figures of the
// summaries.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace catalogue {

constexpr qint64 KB = 1024;
constexpr qint64 MB = 1048576;
constexpr qint64 GB = 1073741824;

// The value of the longest beginning of the text that reads as a decimal number (sign,
// digits, one ".", exponent; blanks skipped); 0 when there is none.
double leadingNumber(const QString& text);
// The same, except that a number too large for a double reads as infinite (with its sign)
// instead of 0, so that a caller can tell "too large" from "no number".
double leadingNumberUnbounded(const QString& text);

// A whole text, blanks around it allowed, read as a finite number: in the user's format
// first ("702,5" with a decimal comma), then with "." as the decimal point ("702.5"), so
// that both read alike in every locale. Group separators are not taken: the program never
// writes them, and in a decimal-comma locale they would turn 702.5 into 7025.
std::optional<double> userNumber(const QString& text);
// A number the program wrote into a box in the user's format (a total, a limit), read
// back: as userNumber, or the leading number of any other text.
double writtenNumber(const QString& text);

// The user's decimal separator: "." or ",", or another the locale has.
QString decimalSeparator();

// Human-readable size: "1023 B", "1.50 KB", "1024.00 MB", "1.00 GB"; empty for a negative size.
QString GetSize(qint64 bytes);
QString GetSize(const QString& sizeText);
// The same appended to `out`, with the decimal separator given: for a million sizes in a row.
void appendSize(QString& out, qint64 bytes, QStringView decimalPoint);
// A number that is the same for two sizes exactly when GetSize writes the same text for
// them, so that a sort works each text out once.
quint64 sizeTextKey(qint64 bytes);

// The "Bytes" column: decimal digits left-padded with "0" to 10 characters.
QString bytesColumn(qint64 bytes);
void appendBytesColumn(QString& out, qint64 bytes);

// bytes / unit rounded to two decimals, ties to even, in hundredths.
qint64 roundedHundredths(qint64 bytes, qint64 unit);

// Hundredths written in shortest form ("1.5", "3").
QString hundredthsShortest(qint64 hundredths);

// A byte amount as megabytes in shortest form: "12.5", "0".
QString megabytesText(qint64 bytes);

// A number as the program writes it back into a box: whole numbers without exponent or
// decimals ("736100352"), others in their shortest exact form.
QString numberText(double value);
// The same with the user's decimal separator, as the boxes show numbers: "702,5".
QString userNumberText(double value);

// part / whole x 100, rounded to two decimals (ties to even), shortest form: "92.93".
// A whole that is 0, negative or not a number gives "0" rather than a division by zero.
QString percentText(double part, double whole);

}  // namespace catalogue
