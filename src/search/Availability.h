// The availability timer: every tick sets which commands can be used from the row counts
// of the two lists, and moves the magnifier of the progress frame one step.
#pragma once

#include <QPoint>

#include "catalogue/Catalogue.h"

namespace search {

constexpr int timerIntervalMs = 100;

struct Availability {
  bool search = false;  // the upper list has rows, checked or not
  bool output = false;  // the lower list has rows: Copy, Save, Clipboard and Delete can be used
};

Availability availability(const catalogue::Catalogue& lists);

// The magnifier's next corner of its square (in twips within the frame); a magnifier
// anywhere else stays where it is.
QPoint nextMagnifierPlace(QPoint at);

}  // namespace search
