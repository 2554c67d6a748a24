// The size-limit box: its text is the capacity in megabytes; the searches take the
// capacity as a count of bytes.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace search {

struct Capacity {
  QString text;       // the megabytes as the box shows them
  QString bytesText;  // the bytes to the last digit, a fraction too, as the box's tag shows them
  // The whole bytes below the capacity: for whole totals, `total > bytes` says exactly what
  // `total > capacity` says, fraction or not.
  qint64 bytes = 0;
  double exactBytes = 0;  // with the fraction, what a utilization against the capacity counts
  // The number the box shows as the program writes numbers: the totals box is read the same
  // way, so a utilization counted from the two shown figures compares like with like.
  double shownMegabytes = 0;
};

// Whether a capacity of that many megabytes is a byte count the program can hold: finite
// and less than 2^63 bytes either way.
bool capacityFits(double megabytes);

// The box after a change of its text: a text that is not a number, or not a capacity that
// fits, becomes the first of `entries` ("4450" when there are none).
Capacity changedCapacity(const QString& text, const QStringList& entries);
// While the user types: the capacity of a text that is one, nothing for any other text, so
// the user can clear the box and type a new number.
std::optional<Capacity> typedCapacity(const QString& text);

}  // namespace search
