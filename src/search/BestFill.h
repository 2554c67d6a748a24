// The best-fill plan: every file of a set placed on as few discs as the search can find
// within a fixed amount of work, so that the same files always give the same plan.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace search {

struct PackingPlan {
  // Indexes into the sizes planned, one list a disc, the fullest disc first.
  std::vector<std::vector<int>> discs;
  // No plan of these sizes can do with fewer discs.
  qint64 lowerBound = 0;
  // The improvement was cut short by a stop request; the plan is the best found so far.
  bool stopped = false;
};

struct PackingEffort {
  std::uint64_t work = 0;  // 0: the default budget, counted in steps, not time
  std::uint64_t seed = 1;
};

// The fewest discs no plan can beat: the best of the volume, L2 and cardinality bounds.
qint64 discLowerBound(std::span<const qint64> sizes, qint64 capacity);

// Plans discs of `capacity` bytes for `sizes` (each between 0 and `capacity`).
// `keepGoing` is asked now and then during the improvement (the window pumps its events
// there); false ends it with the best plan so far.
PackingPlan planDiscs(std::span<const qint64> sizes, qint64 capacity, const std::function<bool()>& keepGoing,
                      PackingEffort effort = {});

}  // namespace search
