// Free space of every disc in a max tree, so that first fit finds the leftmost disc with room
// in logarithmic time even for a million files.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <vector>

namespace search {

class FreeSpaceTree {
 public:
  // `discs` discs, each starting with `capacity` bytes free.
  FreeSpaceTree(std::size_t discs, qint64 capacity);

  // The leftmost disc with at least `size` bytes free; discs() when none has.
  std::size_t firstWithRoom(qint64 size) const;
  void take(std::size_t disc, qint64 size);
  std::size_t discs() const { return discs_; }

 private:
  std::size_t discs_;
  std::size_t width_ = 1;
  std::vector<qint64> most_;  // heap layout: node i has children 2i and 2i+1, leaves from width_
};

}  // namespace search
