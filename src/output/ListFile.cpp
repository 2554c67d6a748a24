// Lists are replaced whole, never truncated first. A path is never altered on its way to
// or from the file: a blank at its end is part of the name, and dropping it would name
// another file, one that Delete could then trash.
#include "output/ListFile.h"


#include "catalogue/NameLines.h"
#include "catalogue/Numbers.h"
#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"

namespace output {

QString summaryLine(const QString& txttotal, const QString& txtlimit) {
  return QStringLiteral("Total Size: ") + txttotal + u'/' + txtlimit + QStringLiteral(" megabytes (") +
         catalogue::percentText(catalogue::writtenNumber(txttotal), catalogue::writtenNumber(txtlimit)) +
         QStringLiteral("% CD utilization)");
}

ListText listFileText(const catalogue::FileList& list, const QString& txttotal, const QString& txtlimit) {
  ListText text;
  qint64 written = 0;
  for (int row = 0; row < list.count(); ++row) {
    const catalogue::FileEntry& entry = list.at(row);
    if (!catalogue::standsOnOneLine(entry.text)) {
      text.leftOut.append(entry.text);
      continue;
    }
    platform::appendFileName(text.bytes, entry.text);
    text.bytes += "\r\n";
    written += entry.size;
  }
  const QString total = text.leftOut.isEmpty() ? txttotal : catalogue::megabytesText(written);
  text.bytes += QByteArray(20, '_') + "\r\n";
  text.bytes += summaryLine(total, txtlimit).toUtf8() + "\r\n";
  return text;
}

SaveOutcome savefile(const QString& path, const catalogue::FileList& list, const QString& txttotal,
                     const QString& txtlimit) {
  if (path.isEmpty()) return {};
  ListText text = listFileText(list, txttotal, txtlimit);
  return {platform::replaceFile(path, text.bytes), std::move(text.leftOut)};
}

QStringList entryLines(const QByteArray& contents) {
  QStringList entries;
  for (qsizetype start = 0; start < contents.size();) {
    qsizetype end = contents.indexOf('\n', start);
    if (end < 0) end = contents.size();
    const qsizetype length = end - start - (end > start && contents[end - 1] == '\r' ? 1 : 0);
    if (contents[start] == '/') entries.append(platform::decodeFileName(contents.constData() + start, length));
    start = end + 1;
  }
  return entries;
}

}  // namespace output
