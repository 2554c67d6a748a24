// A plan as the search keeps it: the disc of every file and the bytes on every disc, in two flat
// vectors, so a million files cost no allocation each.
#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

namespace search {

struct DiscAssignment {
  std::vector<int> discOf;     // per file
  std::vector<qint64> loads;   // per disc
  std::size_t discs() const { return loads.size(); }
};

// Each file of `order` in turn into the first disc with room (a new one when none has).
DiscAssignment firstFit(std::span<const qint64> sizes, std::span<const int> order, qint64 capacity);

// First fit in the order given, and first fit largest first (equal sizes keep their order):
// whichever needs fewer discs, the largest-first plan on a tie or when it needs no more than
// `enough` discs (the lower bound), since nothing can do better then.
DiscAssignment bestFirstFit(std::span<const qint64> sizes, qint64 capacity, qint64 enough);

}  // namespace search
