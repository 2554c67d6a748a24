// The burn-time estimate under the lower list: the chosen total at a drive speed, at the
// single-speed rate of 150 KB a second, with no lead-in, lead-out or other overhead.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace search {

// The time to burn sizeKb kilobytes at speed x ("01:39", "01:19:38"); "00:00" for no data
// or speed 0, and the empty text for a speed whose rate no 16-bit number holds (219x up).
QString burntime(qint32 sizeKb, quint8 speed);

// Seconds as "mm:ss", or "hh:mm:ss" from one hour on; every field has at least two digits
// and the hours have as many as they need.
QString time(qint64 whattime);

// How many times bywhat can be taken from Number, which is left holding the rest. A
// negative Number, or a bywhat that is not positive, gives 0 and leaves Number alone.
qint32 intdiv(qint64& Number, qint64 bywhat);

// The estimate for the total box's text (megabytes in the user's format) and the chosen
// entry of the speed list ("48x"); the empty text for a speed outside 0..255.
QString speedEstimate(const QString& txttotal, const QString& speedText);

// The entries of the speed list: "1x", "2x", then every fourth speed up to "100x".
QStringList speedList();

}  // namespace search
