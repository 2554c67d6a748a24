// Files with real contents for the copy tests (the tree's own files are sparse and
// empty), read back whole, and the files below a folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testing_support {

// Writes `bytes` to `path`, making its folders; false when it cannot.
bool writeBytes(const QString& path, const QByteArray& bytes);
// The whole file, or a null array when it cannot be read.
QByteArray readBytes(const QString& path);
// Every file below `folder`, as paths relative to it, sorted.
QStringList filesBelow(const QString& folder);

}  // namespace testing_support
