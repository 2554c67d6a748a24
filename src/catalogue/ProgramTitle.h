// The program's name as its message boxes and settings know it.
#pragma once

#include <QString>

namespace catalogue {

inline const QString programTitle = QStringLiteral("Fillpack");

}  // namespace catalogue
