// Lists are replaced whole, never truncated first. A path is never altered on its way to
// or from the file: a blank at its end is part of the name, and dropping it would name
// another file, one that Delete could then trash.
#include "output/ListFile.h"

#include "catalogue/NameLines.h"
#include "catalogue/Numbers.h"
#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"

namespace output {

QString summaryLine(qint64 totalBytes, const ShownLimit& limit) {
  // The percentage is that of the megabytes as written, rounded, as the user can check it.
  const qint64 hundredths = catalogue::roundedHundredths(totalBytes, catalogue::MB);
  return QStringLiteral("Total Size: ") + catalogue::hundredthsShortest(hundredths) + u'/' + limit.text +
         QStringLiteral(" megabytes (") + catalogue::percentText(double(hundredths) / 100, limit.megabytes) +
         QStringLiteral("% CD utilization)");
}

ListText listFileText(const catalogue::FileList& list, const ShownLimit& limit) {
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
  text.bytes += QByteArray(20, '_') + "\r\n";
  text.bytes += summaryLine(written, limit).toUtf8() + "\r\n";
  return text;
}

SaveOutcome savefile(const QString& path, const catalogue::FileList& list, const ShownLimit& limit) {
  if (path.isEmpty()) return {};
  ListText text = listFileText(list, limit);
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
