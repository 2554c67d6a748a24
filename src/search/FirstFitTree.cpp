// Taken files and the padding leaves hold the largest qint64, so no room ever reaches them.
#include "search/FirstFitTree.h"

#include <algorithm>
#include <limits>

namespace search {

namespace {
constexpr qint64 gone = std::numeric_limits<qint64>::max();
}

FirstFitTree::FirstFitTree(std::span<const qint64> sizes) : files_(sizes.size()) {
  while (width_ < files_) width_ *= 2;
  least_.assign(2 * width_, gone);
  std::copy(sizes.begin(), sizes.end(), least_.begin() + std::ptrdiff_t(width_));
  for (std::size_t i = width_ - 1; i >= 1; --i) least_[i] = std::min(least_[2 * i], least_[2 * i + 1]);
}

std::size_t FirstFitTree::firstAtMost(std::size_t from, qint64 room) const {
  if (from >= files_) return files_;
  std::size_t node = width_ + from;
  // Up while nothing to the right within this subtree fits, then down to its leftmost fit.
  if (least_[node] > room) {
    for (;;) {
      if (node == 1) return files_;
      if (node % 2 == 0 && least_[node + 1] <= room) {
        ++node;
        break;
      }
      node /= 2;
    }
  }
  while (node < width_) node = least_[2 * node] <= room ? 2 * node : 2 * node + 1;
  return node - width_;
}

void FirstFitTree::remove(std::size_t file) { set(file, gone); }

void FirstFitTree::set(std::size_t file, qint64 size) {
  std::size_t node = width_ + file;
  least_[node] = size;
  for (node /= 2; node >= 1; node /= 2) least_[node] = std::min(least_[2 * node], least_[2 * node + 1]);
}

bool FirstFitTree::removed(std::size_t file) const { return least_[width_ + file] == gone; }

}  // namespace search
