// The command lines that start the burning program found on PATH: an empty data project
// for the clipboard hand-off, the checked files as a new data project for the burn button.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/Burner.h"

namespace output {

enum class DiscMedium { Cd, Dvd };

// The medium a limit of `megabytes` stands for: a CD below 704, a DVD from 704 on. A
// limit that is no number is given as 0 and counts as a CD, the smaller medium.
DiscMedium limitMedium(double megabytes);

struct BurnerStart {
  QStringList arguments;
  bool filesLeftOut = false;  // the files did not fit one command line
};

// `burner` with a new data project for `medium` holding `files` (none: an empty project).
// Files that do not fit `room` bytes of command line are left out, and the project starts
// empty.
BurnerStart dataProjectStart(const platform::Burner& burner, DiscMedium medium, const QStringList& files,
                             qint64 room);

// The paths that name regular files (or links to them), in order; the others (folders,
// devices, FIFOs, files that are gone) are added to `leftOut`. Nothing but a file is ever
// handed to another program, whatever a loaded list holds.
QStringList regularFiles(const QStringList& paths, QStringList& leftOut);
// Tells that the entries `leftOut` were not handed over.
QString leftOutText(const QStringList& leftOut);

// The warning when the burner cannot be started, naming the burners of this system.
QString noBurnerText();
// Why the burner started without the `count` checked files.
QString filesLeftOutText(const platform::Burner& burner, int count);

}  // namespace output
