// Fields are escaped so that every row stays one line: "\\" for a backslash, "\t" for a
// tab and "\n" for a line break in a name. Texts are written in the file-name encoding,
// so a name that is not valid UTF-8 comes out as the very bytes of the file's name.
#include "shell/StateDump.h"

#include <algorithm>
#include <initializer_list>

#include "catalogue/Numbers.h"
#include "platform/FileNames.h"
#include "shell/MainForm.h"
#include "shell/MainFormControls.h"

namespace shell {

namespace {

bool needsEscape(QChar c) { return c == u'\\' || c == u'\t' || c == u'\n' || c == u'\r'; }

void appendField(QByteArray& out, QStringView field) {
  if (std::none_of(field.begin(), field.end(), needsEscape)) {
    platform::appendFileName(out, field);
    return;
  }
  QString escaped;
  for (const QChar c : field) {
    if (c == u'\\')
      escaped += QStringLiteral("\\\\");
    else if (c == u'\t')
      escaped += QStringLiteral("\\t");
    else if (c == u'\n')
      escaped += QStringLiteral("\\n");
    else if (c == u'\r')
      escaped += QStringLiteral("\\r");
    else
      escaped += c;
  }
  platform::appendFileName(out, escaped);
}

void writeRow(QByteArray& out, std::initializer_list<QStringView> fields) {
  bool first = true;
  for (const QStringView field : fields) {
    if (!first) out += '\t';
    first = false;
    appendField(out, field);
  }
  out += '\n';
}

QStringView checkMark(const catalogue::FileEntry& e) { return e.checked ? u"1" : u"0"; }

}  // namespace

void writeState(const MainForm& window, const std::function<void(const QByteArray&)>& sink) {
  using catalogue::FileEntry;
  const catalogue::Catalogue& lists = window.catalogue();
  constexpr qsizetype chunk = 64 * 1024;
  QByteArray out;
  out.reserve(chunk + 4096);
  const auto flushFull = [&] {
    if (out.size() < chunk) return;
    sink(out);
    out.resize(0);  // keeps the buffer for the next piece
  };
  out += "[lstmain]\n";
  for (int row = 0; row < lists.lstmain().count(); ++row) {
    const FileEntry& e = lists.lstmain().at(row);
    const QString size = catalogue::GetSize(e.size), bytes = catalogue::bytesColumn(e.size);
    writeRow(out, {checkMark(e), e.text, size, e.type, e.folder, bytes});
    flushFull();
  }
  out += "[lstsec]\n";
  for (int row = 0; row < lists.lstsec().count(); ++row) {
    const FileEntry& e = lists.lstsec().at(row);
    const QString bytes = catalogue::bytesColumn(e.size);
    writeRow(out, {checkMark(e), e.text, bytes});
    flushFull();
  }
  out += "[labels]\n";
  using namespace mainform;
  for (const catalogue::ControlId id : {txtdir, txtpattern, txtlimit, txttotal, lblCountList, lblCountList2,
                                        lblCountCDTotal, lblpercent, lblspeed}) {
    if (const catalogue::Control* c = window.form().find(id)) writeRow(out, {c->name, c->text});
  }
  sink(out);
}

}  // namespace shell
