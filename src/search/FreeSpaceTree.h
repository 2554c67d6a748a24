// Free space of every disc, so that first fit finds the leftmost disc with room in
// logarithmic time even for a million files. The discs' free space is kept negated in the
// fit batch's min tree: the leftmost disc with -free <= -size is the leftmost with room.
#pragma once

#include <QtGlobal>
#include <cstddef>

#include "search/FirstFitTree.h"

namespace search {

class FreeSpaceTree {
 public:
  // `discs` discs, each starting with `capacity` bytes free.
  FreeSpaceTree(std::size_t discs, qint64 capacity);

  // The leftmost disc with at least `size` bytes free; discs() when none has.
  std::size_t firstWithRoom(qint64 size) const { return negatedFree_.firstAtMost(0, -size); }
  void take(std::size_t disc, qint64 size) { negatedFree_.set(disc, negatedFree_.at(disc) + size); }
  std::size_t discs() const { return negatedFree_.files(); }

 private:
  FirstFitTree negatedFree_;
};

}  // namespace search
