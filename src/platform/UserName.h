// The user's full name as the password database keeps it: the name the About window shows
// as the owner of this copy.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The full name held in a GECOS field: its first comma-separated part, blanks trimmed.
QString fullNameFromGecos(const QByteArray& gecos);
// The full name of the user running the program; empty when the database has none.
QString fullUserName();

}  // namespace platform
