// The burn-time estimate under the lower list: the chosen total at a drive speed, at the
// single-speed rate of 150 KB a second, with no lead-in, lead-out or other overhead.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

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

// The speed an entry of the speed list stands for ("48x": 48), rounded to a whole number;
// nothing for one outside 0..255, which gets no estimate.
std::optional<quint8> entrySpeed(const QString& entry);

// The estimate for a lower list of `bytes`, taken as the megabytes its total shows (to the
// hundredth), at `speed`.
QString speedEstimate(qint64 bytes, quint8 speed);

// The entries of the speed list: "1x", "2x", then every fourth speed up to "100x".
QStringList speedList();

}  // namespace search
