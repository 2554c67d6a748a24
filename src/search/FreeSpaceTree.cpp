// The discs start with the same free space.
#include "search/FreeSpaceTree.h"

#include <vector>

namespace search {

FreeSpaceTree::FreeSpaceTree(std::size_t discs, qint64 capacity)
    : negatedFree_(std::vector<qint64>(discs, -capacity)) {}

}  // namespace search
