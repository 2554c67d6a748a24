// Lists are replaced whole, never truncated first.
#include "output/ListFile.h"


#include "catalogue/Numbers.h"
#include "platform/FileNames.h"
#include "platform/ReplaceFile.h"

namespace output {

QString summaryLine(const QString& txttotal, const QString& txtlimit) {
  return QStringLiteral("Total Size: ") + txttotal + u'/' + txtlimit + QStringLiteral(" megabytes (") +
         catalogue::percentText(catalogue::writtenNumber(txttotal), catalogue::writtenNumber(txtlimit)) +
         QStringLiteral("% CD utilization)");
}

QByteArray listFileText(const catalogue::FileList& list, const QString& txttotal, const QString& txtlimit) {
  QByteArray text;
  for (int row = 0; row < list.count(); ++row) {
    platform::appendFileName(text, list.at(row).text);
    text += "\r\n";
  }
  text += QByteArray(20, '_') + "\r\n";
  text += summaryLine(txttotal, txtlimit).toUtf8() + "\r\n";
  return text;
}

bool savefile(const QString& path, const catalogue::FileList& list, const QString& txttotal, const QString& txtlimit) {
  if (path.isEmpty()) return true;
  return platform::replaceFile(path, listFileText(list, txttotal, txtlimit));
}

QStringList entryLines(const QByteArray& contents) {
  QStringList entries;
  for (const QByteArray& raw : contents.split('\n')) {
    const QByteArray line = raw.trimmed();  // also takes the CR of a CR LF
    if (line.startsWith('/')) entries.append(platform::decodeFileName(line));
  }
  return entries;
}

}  // namespace output
