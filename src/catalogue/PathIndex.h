// Finds the upper row whose rebuilt full path (folder and name joined) equals a given
// path, in constant time. It answers exactly what a scan of every row would, without
// storing the joined paths: rows are hashed and compared piecewise. The table is one
// 32-bit word per slot (open addressing), so a million rows cost eight megabytes. Rows
// the list gains without a look-up (a fresh folder's files) are filed at the next look-up,
// so a gathering that is never looked up in never builds the table.
#pragma once

#include <QtGlobal>
#include <QString>
#include <QStringView>
#include <vector>

#include "catalogue/FileList.h"
#include "catalogue/Paths.h"

namespace catalogue {

class PathIndex {
 public:
  PathIndex(const FileList& list, PathStyle style);
  // Bound to the list it indexes.
  Q_DISABLE_COPY_MOVE(PathIndex)

  // The hash a path is filed under; the second form is that of chkdir(folder, name), the
  // folder's part worked out once for a run of names in one folder.
  quint64 hashOf(QStringView path) const;
  quint64 hashOf(const QString& folder, QStringView name) const;

  // 0-based row, or -1. Files the rows that wait first, hence the mutable table.
  int find(QStringView path) const { return find(path, hashOf(path)); }
  int find(QStringView path, quint64 hash) const;
  // The row whose rebuilt path is chkdir(folder, name), or -1; `hash` from hashOf(folder, name).
  int find(const QString& folder, QStringView name, quint64 hash) const;

  // Files the row the list added last, whose rebuilt path has `hash`, right after a look-up;
  // without one it waits with the rows before it.
  void add(int row, quint64 hash);
  // Every row waits to be filed anew (the rows were reordered, removed or cleared).
  void rebuild();
  // Follows a reorder of the list (see FileList::reorder) without hashing a row. Only
  // for rows whose rebuilt paths all differ: of two equal ones, find() would still answer
  // the one that came first before the reorder.
  void renumber(const RowOrder& order);

 private:
  quint64 rowHash(int row) const;
  // The state after the folder and its separator, kept for the last folder asked about.
  quint64 folderState(const QString& folder) const;
  // Files the rows the list gained since the last look-up.
  void fileWaiting() const;
  void file(int row, quint64 hash) const;
  // An empty table of `size` slots.
  void resize(size_t size) const;
  quint32 tagOf(quint64 hash) const;
  template <class Same>
  int probe(quint64 hash, Same same) const;

  const FileList& list_;
  PathStyle style_;
  // Row + 1 in the low `rowBits_` bits (0 for an empty slot), and above them as many bits
  // of the hash as are left, so that a look-up reads a row only when those bits agree.
  // The size is a power of two, at least twice the rows, so a row always fits.
  mutable std::vector<quint32> slots_;
  mutable int rowBits_ = 0;
  // Rows 0 to filed_ - 1 are in the table; the rest wait.
  mutable int filed_ = 0;
  // Holding the folder keeps its text alive, so the same data pointer means the same folder.
  mutable QString lastFolder_;
  mutable quint64 lastFolderState_ = 0;
  mutable bool haveFolder_ = false;
};

}  // namespace catalogue
