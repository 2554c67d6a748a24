// The list store.
#include "catalogue/FileList.h"

#include <algorithm>

namespace catalogue {

void FileList::clear() {
  if (!rows_.empty()) ++checkRevision_;
  rows_.clear();
  rows_.shrink_to_fit();
  ++structureRevision_;
}

int FileList::removeIf(const std::function<bool(const FileEntry&)>& pick) {
  const auto end = std::remove_if(rows_.begin(), rows_.end(), pick);
  const int removed = int(rows_.end() - end);
  if (removed > 0) {
    rows_.erase(end, rows_.end());
    ++structureRevision_;
    ++checkRevision_;
  }
  return removed;
}

void FileList::setChecked(int row, bool checked) {
  if (rows_[size_t(row)].checked == checked) return;
  rows_[size_t(row)].checked = checked;
  ++dataRevision_;
  ++checkRevision_;
}

void FileList::reorder(const RowOrder& order) {
  Q_ASSERT(order.size() == rows_.size());
  // Gathered into a new store in the new order: the reads jump about, so each row is asked
  // for a few rows before it is moved, and the writes go straight on.
  constexpr size_t ahead = 8;
  std::deque<FileEntry> moved;
  for (size_t at = 0; at < order.size(); ++at) {
    if (at + ahead < order.size()) __builtin_prefetch(&rows_[order[at + ahead]]);
    moved.push_back(std::move(rows_[order[at]]));
  }
  rows_.swap(moved);
  ++structureRevision_;
}

QStringList FileList::fullPaths(bool checkedOnly) const {
  QStringList paths;
  for (int row = 0; row < count(); ++row)
    if (!checkedOnly || at(row).checked) paths.append(fullPath(row));
  return paths;
}

QString FileList::fullPath(int row) const {
  const FileEntry& e = at(row);
  return kind_ == Kind::Upper ? chkdir(e.folder, e.text, style_) : e.text;
}

bool FileList::haschecked() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const FileEntry& e) { return e.checked; });
}

}  // namespace catalogue
