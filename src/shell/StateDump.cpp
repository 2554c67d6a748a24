// Fields are escaped so that every row stays one line: "\\" for a backslash, "\t" for a
// tab and "\n" for a line break in a name. Texts are written in the file-name encoding,
// so a name that is not valid UTF-8 comes out as the very bytes of the file's name.
#include "shell/StateDump.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <utility>

#include "catalogue/ListColumns.h"
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

// A row of a list: its check mark, then its cells as the list shows them.
void writeListRow(QByteArray& out, const catalogue::FileEntry& e, std::span<const catalogue::ListColumn> columns) {
  appendField(out, e.checked ? u"1" : u"0");
  for (const catalogue::ListColumn column : columns) {
    out += '\t';
    appendField(out, catalogue::columnFacts(column).text(e));
  }
  out += '\n';
}

}  // namespace

void writeState(const MainForm& window, const std::function<void(const QByteArray&)>& sink) {
  const catalogue::Catalogue& lists = window.catalogue();
  constexpr qsizetype chunk = 64 * 1024;
  QByteArray out;
  out.reserve(chunk + 4096);
  const auto flushFull = [&] {
    if (out.size() < chunk) return;
    sink(out);
    out.resize(0);  // keeps the buffer for the next piece
  };
  for (const auto& [header, list] : {std::pair{"[lstmain]\n", &lists.lstmain()}, {"[lstsec]\n", &lists.lstsec()}}) {
    out += header;
    const std::span<const catalogue::ListColumn> columns = catalogue::listColumns(list->kind());
    for (int row = 0; row < list->count(); ++row) {
      writeListRow(out, list->at(row), columns);
      flushFull();
    }
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
