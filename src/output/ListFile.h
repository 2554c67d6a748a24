// List files: the paths of the chosen files, one a line, then a rule and a summary of
// the total against the capacity. Lines end in CR LF; names are written as their bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "catalogue/FileList.h"

namespace output {

// The summary line: "Total Size: T/L megabytes (P% CD utilization)".
QString summaryLine(const QString& txttotal, const QString& txtlimit);

// The whole file for the rows of `list` (their texts).
QByteArray listFileText(const catalogue::FileList& list, const QString& txttotal, const QString& txtlimit);

// Writes the lower list to `path` through a temporary file that replaces the old one
// only when complete, so a failure leaves the old file as it was. An empty path writes
// nothing and counts as done. Returns false when the file could not be written.
bool savefile(const QString& path, const catalogue::FileList& list, const QString& txttotal, const QString& txtlimit);

// The entry lines of a list file's bytes: absolute paths, blanks trimmed; CR LF or LF.
QStringList entryLines(const QByteArray& contents);

}  // namespace output
