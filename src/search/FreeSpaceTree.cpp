// Padding leaves hold -1, so no size (not even zero) ever lands outside the real discs.
#include "search/FreeSpaceTree.h"

namespace search {

FreeSpaceTree::FreeSpaceTree(std::size_t discs, qint64 capacity) : discs_(discs) {
  while (width_ < discs) width_ *= 2;
  most_.assign(2 * width_, -1);
  for (std::size_t i = 0; i < discs; ++i) most_[width_ + i] = capacity;
  for (std::size_t i = width_ - 1; i >= 1; --i) most_[i] = std::max(most_[2 * i], most_[2 * i + 1]);
}

std::size_t FreeSpaceTree::firstWithRoom(qint64 size) const {
  if (discs_ == 0 || most_[1] < size) return discs_;
  std::size_t node = 1;
  while (node < width_) node = most_[2 * node] >= size ? 2 * node : 2 * node + 1;
  return node - width_;
}

void FreeSpaceTree::take(std::size_t disc, qint64 size) {
  std::size_t node = width_ + disc;
  most_[node] -= size;
  for (node /= 2; node >= 1; node /= 2) most_[node] = std::max(most_[2 * node], most_[2 * node + 1]);
}

}  // namespace search
