// The lists' column orders are drawn from the table when the program is built, so the
// table is the one place that says which list has a column.
#include "catalogue/ListColumns.h"

#include <QtGlobal>
#include <array>
#include <iterator>

#include "catalogue/Numbers.h"

namespace catalogue {

namespace {

using Format = CellFormat;

constexpr ColumnFacts facts[] = {
    {ListColumn::Name, [](const FileEntry& e) { return e.text; },
     [](QString& out, const FileEntry& e, const Format&) { out += e.text; }, false, false, true, true, nullptr},
    {ListColumn::Size, [](const FileEntry& e) { return GetSize(e.size); },
     [](QString& out, const FileEntry& e, const Format& f) { appendSize(out, e.size, f.decimalPoint); }, false, true,
     true, false, [](const FileEntry& e) { return sizeTextKey(e.size); }},
    {ListColumn::Type, [](const FileEntry& e) { return e.type.text(); },
     [](QString& out, const FileEntry& e, const Format&) { out += e.type.text(); }, false, false, true, false,
     [](const FileEntry& e) { return quint64(quintptr(&e.type.text())); }},
    {ListColumn::Path, [](const FileEntry& e) { return e.folder.text(); },
     [](QString& out, const FileEntry& e, const Format&) { out += e.folder.text(); }, false, false, true, false,
     [](const FileEntry& e) { return quint64(quintptr(&e.folder.text())); }},
    {ListColumn::Bytes, [](const FileEntry& e) { return bytesColumn(e.size); },
     [](QString& out, const FileEntry& e, const Format&) { appendBytesColumn(out, e.size); }, true, true, true, true,
     nullptr},
};

constexpr bool rowsInEnumOrder() {
  for (size_t i = 0; i < std::size(facts); ++i)
    if (facts[i].column != ListColumn(i)) return false;
  return true;
}
static_assert(rowsInEnumOrder(), "one row per column, in the order of the enum");

// The columns a list has, and how many.
struct Columns {
  std::array<ListColumn, std::size(facts)> order{};
  size_t count = 0;
};

constexpr Columns columnsOf(bool upper) {
  Columns c;
  for (const ColumnFacts& f : facts)
    if (upper ? f.inUpper : f.inLower) c.order[c.count++] = f.column;
  return c;
}

constexpr Columns upperColumns = columnsOf(true), lowerColumns = columnsOf(false);

}  // namespace

CellFormat CellFormat::current() { return {decimalSeparator()}; }

const ColumnFacts& columnFacts(ListColumn column) { return facts[size_t(column)]; }

std::span<const ListColumn> listColumns(FileList::Kind kind) {
  const Columns& c = kind == FileList::Kind::Upper ? upperColumns : lowerColumns;
  return std::span(c.order).first(c.count);
}

ListColumn listColumn(FileList::Kind kind, int section) {
  const std::span<const ListColumn> columns = listColumns(kind);
  const bool inList = section >= 0 && size_t(section) < columns.size();
  Q_ASSERT(inList);
  return inList ? columns[size_t(section)] : ListColumn::Name;
}

}  // namespace catalogue
