// The sort works out a key per row once and orders row numbers by the keys, then moves
// each row once: sizes as numbers, texts by the heads of their folded letters (compared
// in full only where the heads tie), and texts many rows share by their rank among the
// few different ones. Rows that compare equal keep their order in either direction.
#include "catalogue/ListSort.h"

#include <QHash>
#include <algorithm>

#include "catalogue/CaselessHead.h"
#include "catalogue/ListColumns.h"

namespace catalogue {

void headerClicked(SortState& state, int column) {
  if (state.sorted && state.column == column)
    state.descending = !state.descending;
  else
    state.column = column;
  state.sorted = true;
}

namespace {

constexpr quint32 prefetchAhead = 16;

// Whether the row of comparison result `c` (a against b) goes first.
bool goesFirst(int c, quint32 a, quint32 b, bool descending) {
  if (c != 0) return descending ? c > 0 : c < 0;
  return a < b;
}

RowOrder bySize(const FileList& list, bool descending) {
  struct Key {
    qint64 size;
    quint32 row;
  };
  std::vector<Key> keys(size_t(list.count()));
  for (quint32 row = 0; row < keys.size(); ++row) keys[row] = {list.at(int(row)).size, row};
  std::sort(keys.begin(), keys.end(), [descending](const Key& a, const Key& b) {
    return goesFirst(a.size < b.size ? -1 : a.size > b.size ? 1 : 0, a.row, b.row, descending);
  });
  RowOrder order(keys.size());
  std::transform(keys.begin(), keys.end(), order.begin(), [](const Key& k) { return k.row; });
  return order;
}

// The items 0 .. count-1 in the order of their texts, `textOf(item)` giving an item's text.
template <class TextOf>
RowOrder byText(quint32 count, TextOf textOf, bool descending) {
  struct Key {
    CaselessHead head;
    quint32 item;
  };
  std::vector<Key> keys(count);
  for (quint32 item = 0; item < count; ++item) {
    // The texts lie all over the heap: asking for one a few items ahead hides the wait.
    if (item + prefetchAhead < count) __builtin_prefetch(textOf(item + prefetchAhead).constData());
    keys[item] = {CaselessHead(textOf(item)), item};
  }
  std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
    const std::optional<int> c = a.head.compare(b.head);
    return goesFirst(c ? *c : QString::compare(textOf(a.item), textOf(b.item), Qt::CaseInsensitive), a.item, b.item,
                     descending);
  });
  RowOrder order(keys.size());
  std::transform(keys.begin(), keys.end(), order.begin(), [](const Key& k) { return k.item; });
  return order;
}

// For a column whose rows share few texts: each different text is ranked once, equal
// texts getting one rank, and the rows are then dealt out by rank in row order.
RowOrder bySharedText(const FileList& list, const ColumnFacts& column, bool descending) {
  const quint32 count = quint32(list.count());
  std::vector<quint32> textOfRow(count);
  std::vector<quint32> firstRow;  // of each different key
  QHash<quint64, quint32> known;
  quint64 lastKey = 0;
  for (quint32 row = 0; row < count; ++row) {
    const quint64 key = column.textKey(list.at(int(row)));
    if (row > 0 && key == lastKey) {
      textOfRow[row] = textOfRow[row - 1];
      continue;
    }
    auto found = known.constFind(key);
    if (found == known.cend()) {
      found = known.insert(key, quint32(firstRow.size()));
      firstRow.push_back(row);
    }
    textOfRow[row] = *found;
    lastKey = key;
  }

  std::vector<QString> texts(firstRow.size());
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = column.text(list.at(int(firstRow[i])));
  const auto textOf = [&texts](quint32 item) -> const QString& { return texts[item]; };
  const RowOrder ranked = byText(quint32(texts.size()), textOf, descending);
  std::vector<quint32> rank(texts.size());
  quint32 next = 0;
  for (size_t i = 0; i < ranked.size(); ++i) {
    if (i > 0 && QString::compare(texts[ranked[i - 1]], texts[ranked[i]], Qt::CaseInsensitive) != 0) ++next;
    rank[ranked[i]] = next;
  }

  std::vector<quint32> start(size_t(next) + 2, 0);
  for (quint32 row = 0; row < count; ++row) ++start[rank[textOfRow[row]] + 1];
  for (size_t r = 1; r < start.size(); ++r) start[r] += start[r - 1];
  RowOrder order(count);
  for (quint32 row = 0; row < count; ++row) order[start[rank[textOfRow[row]]]++] = row;
  return order;
}

}  // namespace

RowOrder sortList(FileList& list, const SortState& state) {
  if (!state.sorted || list.count() < 2) return {};
  const ColumnFacts& column = columnFacts(listColumn(list.kind(), state.column));
  RowOrder order;
  if (column.sortsBySize)
    order = bySize(list, state.descending);
  else if (column.textKey)
    order = bySharedText(list, column, state.descending);
  else  // the name (of the lower list: the full path), which is the row's own text
    order = byText(
        quint32(list.count()), [&](quint32 row) -> const QString& { return list.at(int(row)).text; }, state.descending);
  list.reorder(order);
  return order;
}

}  // namespace catalogue
