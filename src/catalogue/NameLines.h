// File names in line-based text. A name may hold any character but "/" and NUL, line
// breaks included; such a name cannot stand on one line of a list file, and in a message
// it must still read as one name.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace catalogue {

// Whether the name holds neither a line feed nor a carriage return.
bool standsOnOneLine(QStringView name);

// The names in double quotes, one a line (lines joined by CR LF), a line break inside a
// name shown as \n or \r. After `most` names a last line tells how many more there are.
QString namesOneALine(const QStringList& names, qsizetype most = 10);

}  // namespace catalogue
