// Files with real contents for the copy tests (the tree's own files are sparse and
// empty), read back whole, and the names a folder holds.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testing_support {

// Writes `bytes` to `path`, making its folders; false when it cannot.
bool writeBytes(const QString& path, const QByteArray& bytes);
// The whole file, or a null array when it cannot be read.
QByteArray readBytes(const QString& path);
// The names in `folder`, hidden ones included, sorted.
QStringList namesIn(const QString& folder);
// Every file below `folder`, as paths relative to it, sorted.
QStringList filesBelow(const QString& folder);

}  // namespace testing_support
