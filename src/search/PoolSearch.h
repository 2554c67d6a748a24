// The improvement: takes discs away from a plan, one at a time, until it reaches the lower
// bound or the work meter runs out. Each attempt empties the least-filled discs into a pool and
// swaps files between the pool and the other discs until the pool fits one disc fewer. An
// attempt that finds nothing within `attemptWork` steps gives way to one with other discs.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <span>

#include "search/DiscAssignment.h"
#include "search/WorkMeter.h"

namespace search {

void improveByPool(std::span<const qint64> sizes, qint64 capacity, qint64 bound, DiscAssignment& plan, WorkMeter& meter,
                   std::uint64_t attemptWork, std::uint64_t seed);

}  // namespace search
