// An ordered list of file entries, the store behind one list view. Views follow it by
// its revision counters instead of per-row signals, so a million appends cost nothing extra.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <deque>
#include <vector>

#include "catalogue/FileEntry.h"
#include "catalogue/Paths.h"

namespace catalogue {

// A new order of rows: the old row number of each new row.
using RowOrder = std::vector<quint32>;

class FileList {
 public:
  enum class Kind { Upper, Lower };
  // `style` is the separator fullPath() joins upper rows with.
  explicit FileList(Kind kind, PathStyle style = nativeStyle) : kind_(kind), style_(style) {}

  Kind kind() const { return kind_; }
  int count() const { return int(rows_.size()); }
  bool isEmpty() const { return rows_.empty(); }
  // Rows are 0-based here; the 1-based numbers of the window are the caller's affair.
  const FileEntry& at(int row) const { return rows_[size_t(row)]; }
  FileEntry& edit(int row) {
    ++dataRevision_;
    return rows_[size_t(row)];
  }

  void append(FileEntry entry) {
    if (entry.checked) ++checkRevision_;
    rows_.push_back(std::move(entry));
  }
  void clear();
  // Removes every row the predicate picks, in one pass; returns how many went.
  int removeIf(const std::function<bool(const FileEntry&)>& pick);
  void setChecked(int row, bool checked);
  // Puts the rows in a new order: row `order[i]` becomes row i. Each row moves once.
  void reorder(const RowOrder& order);

  // The full path a row stands for: folder and name joined (upper), or the text (lower).
  QString fullPath(int row) const;
  // The full paths of every row, or of the checked rows only, in row order.
  QStringList fullPaths(bool checkedOnly) const;

  // Whether at least one row is checked.
  bool haschecked() const;

  // Bumped when rows are removed, reordered or cleared; appends only grow count().
  quint64 structureRevision() const { return structureRevision_; }
  // Bumped when a row's check mark, icon or texts change.
  quint64 dataRevision() const { return dataRevision_; }
  // Bumped when the set of checked rows may have changed (a check mark, an append, a
  // removal, a clear), never by a sort: what a plan of the checked rows depends on.
  quint64 checkRevision() const { return checkRevision_; }
  // Bumped by FillFileList: the view fits its columns to their contents.
  quint64 fitRevision() const { return fitRevision_; }
  void requestColumnFit() { ++fitRevision_; }

 private:
  Kind kind_;
  PathStyle style_;
  // A deque grows without copying what it holds, so a million rows never need twice their room.
  std::deque<FileEntry> rows_;
  quint64 structureRevision_ = 0;
  quint64 dataRevision_ = 0;
  quint64 checkRevision_ = 0;
  quint64 fitRevision_ = 0;
};

}  // namespace catalogue
