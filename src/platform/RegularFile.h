// Reading a small file whole when anyone may have put anything at its name: a named pipe
// or a device would block the reader for ever or feed it without end, and a huge file
// would stall it, so only a regular file up to a bound is read.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The bytes of the file at `path` (following links), or nothing when it is missing,
// cannot be read, is not a regular file or holds more than `maxBytes`. Never blocks on
// what it opens.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

}  // namespace platform
