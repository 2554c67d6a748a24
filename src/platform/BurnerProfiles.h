// The disc-burning programs Fillpack knows, one row each. The search on PATH, the command
// lines that start them and the texts that name them all read this table, so another
// burner is another row.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

namespace platform {

struct BurnerProfile {
  const char* program;     // the command on PATH, such as "brasero"
  const char* title;       // its name as users know it, such as "Brasero"
  const char* cdProject;   // the switches (blank-separated) that open a new data project for a CD
  const char* dvdProject;  // the same for a DVD

  QString titleText() const { return QString::fromLatin1(title); }
  QStringList projectSwitches(bool dvd) const {
    return QString::fromLatin1(dvd ? dvdProject : cdProject).split(u' ', Qt::SkipEmptyParts);
  }
};

// Every known burner, in the order they are looked for: the first found on PATH is used.
std::span<const BurnerProfile> burnerProfiles();

}  // namespace platform
