// List files: the paths of the chosen files, one a line, then a rule and a summary of
// the total against the capacity. Lines end in CR LF; names are written as their bytes,
// and every entry reads back as exactly the path it was written for.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "catalogue/FileList.h"

namespace output {

// The limit as the window shows it: the megabytes as the user wrote them, and their value.
struct ShownLimit {
  QString text;
  double megabytes = 0;
};

// The summary line: "Total Size: T/L megabytes (P% CD utilization)", T the megabytes of
// `totalBytes` as the window writes them and P computed from T as written.
QString summaryLine(qint64 totalBytes, const ShownLimit& limit);

struct ListText {
  QByteArray bytes;
  QStringList leftOut;  // paths holding a line break, which no line can hold
};

// The whole file for the rows of `list` (their texts). Rows whose path cannot stand on
// one line are left out; the summary totals the rows written.
ListText listFileText(const catalogue::FileList& list, const ShownLimit& limit);

struct SaveOutcome {
  QString failure;      // why the file could not be written; empty when it was
  QStringList leftOut;  // as listFileText leaves them out
};

// Writes the lower list to `path` through a temporary file that replaces the old one
// only when complete, so a failure leaves the old file as it was. An empty path writes
// nothing and counts as done.
SaveOutcome savefile(const QString& path, const catalogue::FileList& list, const ShownLimit& limit);

// The entry lines of a list file's bytes: the lines that begin with "/", exactly as
// written but for their line end (CR LF or LF).
QStringList entryLines(const QByteArray& contents);

}  // namespace output
