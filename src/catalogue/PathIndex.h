// Finds the upper row whose rebuilt full path (folder and name joined) equals a given
// path, in constant time. It answers exactly what a scan of every row would, without
// storing the joined paths: rows are hashed and compared piecewise.
#pragma once

#include <QtGlobal>
#include <QStringView>
#include <unordered_set>

#include "catalogue/FileList.h"
#include "catalogue/Paths.h"

namespace catalogue {

class PathIndex {
 public:
  PathIndex(const FileList& list, PathStyle style);
  // Bound to the list it indexes.
  Q_DISABLE_COPY_MOVE(PathIndex)

  // 0-based row, or -1.
  int find(QStringView path) const;
  void add(int row) { rows_.insert(row); }
  void rebuild();

 private:
  struct Hasher {
    using is_transparent = void;
    const FileList* list;
    PathStyle style;
    size_t operator()(int row) const;
    size_t operator()(QStringView path) const;
  };
  struct Equal {
    using is_transparent = void;
    const FileList* list;
    PathStyle style;
    bool operator()(int a, int b) const { return a == b; }
    bool operator()(int row, QStringView path) const;
    bool operator()(QStringView path, int row) const { return (*this)(row, path); }
  };

  const FileList& list_;
  std::unordered_set<int, Hasher, Equal> rows_;
};

}  // namespace catalogue
