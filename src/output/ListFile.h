// List files: the paths of the chosen files, one a line, then a rule and a summary of
// the total against the capacity. Lines end in CR LF; names are written as their bytes,
// and every entry reads back as exactly the path it was written for.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "catalogue/FileList.h"

namespace output {

// The summary line: "Total Size: T/L megabytes (P% CD utilization)".
QString summaryLine(const QString& txttotal, const QString& txtlimit);

struct ListText {
  QByteArray bytes;
  QStringList leftOut;  // paths holding a line break, which no line can hold
};

// The whole file for the rows of `list` (their texts). Rows whose path cannot stand on
// one line are left out; the summary then totals the rows written instead of `txttotal`.
ListText listFileText(const catalogue::FileList& list, const QString& txttotal, const QString& txtlimit);

struct SaveOutcome {
  QString failure;      // why the file could not be written; empty when it was
  QStringList leftOut;  // as listFileText leaves them out
};

// Writes the lower list to `path` through a temporary file that replaces the old one
// only when complete, so a failure leaves the old file as it was. An empty path writes
// nothing and counts as done.
SaveOutcome savefile(const QString& path, const catalogue::FileList& list, const QString& txttotal,
                     const QString& txtlimit);

// The entry lines of a list file's bytes: the lines that begin with "/", exactly as
// written but for their line end (CR LF or LF).
QStringList entryLines(const QByteArray& contents);

}  // namespace output
