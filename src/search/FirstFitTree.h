// The sizes of the candidates in list order in a min tree, so that a fit pass finds the next
// file that still fits in logarithmic time instead of walking every file it cannot take.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <span>
#include <vector>

namespace search {

class FirstFitTree {
 public:
  explicit FirstFitTree(std::span<const qint64> sizes);

  // The leftmost file at or after `from` that is still in the tree and no larger than `room`;
  // files() when there is none. `room` stays below the largest qint64, the mark of a taken file.
  std::size_t firstAtMost(std::size_t from, qint64 room) const;
  void remove(std::size_t file);
  bool removed(std::size_t file) const;
  // A file's size, and a new size for it (below the largest qint64).
  qint64 at(std::size_t file) const { return least_[width_ + file]; }
  void set(std::size_t file, qint64 size);
  std::size_t files() const { return files_; }

 private:
  std::size_t files_;
  std::size_t width_ = 1;
  std::vector<qint64> least_;  // heap layout: node i has children 2i and 2i+1, leaves from width_
};

}  // namespace search
