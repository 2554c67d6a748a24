// Fields are escaped so that every row stays one line: "\\" for a backslash, "\t" for a
// tab and "\n" for a line break in a name. Texts are written in the file-name encoding,
// so a name that is not valid UTF-8 comes out as the very bytes of the file's name.
#include "shell/StateDump.h"

#include "catalogue/Numbers.h"
#include "platform/FileNames.h"
#include "shell/MainForm.h"

namespace shell {

namespace {

QString escaped(const QString& field) {
  QString out;
  out.reserve(field.size());
  for (const QChar c : field) {
    if (c == u'\\')
      out += QStringLiteral("\\\\");
    else if (c == u'\t')
      out += QStringLiteral("\\t");
    else if (c == u'\n')
      out += QStringLiteral("\\n");
    else if (c == u'\r')
      out += QStringLiteral("\\r");
    else
      out += c;
  }
  return out;
}

void writeRow(QByteArray& out, const QStringList& fields) {
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i > 0) out += '\t';
    out += platform::encodeFileName(escaped(fields[i]));
  }
  out += '\n';
}

}  // namespace

QByteArray stateDump(const MainForm& window) {
  using catalogue::FileEntry;
  const catalogue::Catalogue& lists = window.catalogue();
  QByteArray out;
  out += "[lstmain]\n";
  for (int row = 0; row < lists.lstmain().count(); ++row) {
    const FileEntry& e = lists.lstmain().at(row);
    writeRow(out, {e.checked ? QStringLiteral("1") : QStringLiteral("0"), e.text, catalogue::GetSize(e.size), e.type,
                   e.folder, catalogue::bytesColumn(e.size)});
  }
  out += "[lstsec]\n";
  for (int row = 0; row < lists.lstsec().count(); ++row) {
    const FileEntry& e = lists.lstsec().at(row);
    writeRow(out, {e.checked ? QStringLiteral("1") : QStringLiteral("0"), e.text, catalogue::bytesColumn(e.size)});
  }
  out += "[labels]\n";
  for (const char* name : {"txtdir", "txtpattern", "txtlimit", "txttotal", "lblCountList", "lblCountList2",
                           "lblCountCDTotal", "lblpercent", "lblspeed"}) {
    const QString control = QString::fromLatin1(name);
    if (const catalogue::Control* c = window.form().find(control)) writeRow(out, {control, c->text});
  }
  return out;
}

}  // namespace shell
