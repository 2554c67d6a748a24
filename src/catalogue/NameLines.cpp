// A message that names hundreds of files helps nobody: the first few and a count do.
#include "catalogue/NameLines.h"

#include <algorithm>

#include "platform/MessageTexts.h"

namespace catalogue {

bool standsOnOneLine(QStringView name) {
  return std::none_of(name.begin(), name.end(), [](QChar c) { return c == u'\n' || c == u'\r'; });
}

QString namesOneALine(const QStringList& names, qsizetype most) {
  QStringList lines;
  for (qsizetype i = 0; i < names.size() && i < most; ++i) {
    QString shown = names[i];
    shown.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    lines.append(u'"' + shown + u'"');
  }
  if (names.size() > most) lines.append(platform::text(platform::Msg::AndMore).arg(names.size() - most));
  return lines.join(QStringLiteral("\r\n"));
}

}  // namespace catalogue
