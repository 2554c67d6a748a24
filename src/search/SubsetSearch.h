// The heaviest selection of sizes that fits a capacity, by depth-first branch and bound with a
// node limit, so a large pool costs a bounded amount of work and gives the best found so far.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <span>
#include <vector>

namespace search {

struct SubsetChoice {
  qint64 sum = 0;
  std::vector<char> taken;  // one flag per size given
  std::uint64_t nodes = 0;  // the work it took
};

SubsetChoice heaviestSubset(std::span<const qint64> sizes, qint64 capacity, std::uint64_t nodeLimit);

}  // namespace search
