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

// The field with its backslashes, tabs and line breaks escaped.
void appendEscaped(QString& out, QStringView field) {
  for (const QChar c : field) {
    if (c == u'\\')
      out += u"\\\\";
    else if (c == u'\t')
      out += u"\\t";
    else if (c == u'\n')
      out += u"\\n";
    else if (c == u'\r')
      out += u"\\r";
    else
      out += c;
  }
}

void appendField(QByteArray& out, QStringView field) {
  if (std::none_of(field.begin(), field.end(), needsEscape)) {
    platform::appendFileName(out, field);
    return;
  }
  QString escaped;
  appendEscaped(escaped, field);
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

// The rows of a list: each its check mark, then its cells as the list shows them. A row is
// put together in one reused line and written at once, so it costs no text of its own.
class RowWriter {
 public:
  void write(QByteArray& out, const catalogue::FileEntry& e, std::span<const catalogue::ListColumn> columns) {
    line_.truncate(0);
    line_ += e.checked ? u'1' : u'0';
    for (const catalogue::ListColumn column : columns) {
      line_ += u'\t';
      const qsizetype start = line_.size();
      catalogue::columnFacts(column).append(line_, e, format_);
      escapeFrom(start);
    }
    platform::appendFileName(out, line_);
    out += '\n';
  }

 private:
  void escapeFrom(qsizetype start) {
    const QStringView cell = QStringView(line_).mid(start);
    if (std::none_of(cell.begin(), cell.end(), needsEscape)) return;
    const QString plain = cell.toString();
    line_.truncate(start);
    appendEscaped(line_, plain);
  }

  const catalogue::CellFormat format_ = catalogue::CellFormat::current();
  QString line_;
};

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
  RowWriter rows;
  for (const auto& [header, list] : {std::pair{"[lstmain]\n", &lists.lstmain()}, {"[lstsec]\n", &lists.lstsec()}}) {
    out += header;
    const std::span<const catalogue::ListColumn> columns = catalogue::listColumns(list->kind());
    for (int row = 0; row < list->count(); ++row) {
      rows.write(out, list->at(row), columns);
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
