// The best-fill plan of units as a measure counts them. By bytes it is the plan of their sizes.
// As on the disc, the plan works on each unit's least weight against a disc made smaller by
// the most that the folders and names of a quick first-fit plan cost beyond their weights;
// every disc is then counted as the image it makes, and a unit that does not fit after all
// moves to a disc of its own kind at the end, so no disc of the plan is ever too full.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "search/FitSearch.h"
#include "search/PartMeasure.h"

namespace search {

struct UnitPlan {
  std::vector<std::vector<std::size_t>> discs;  // positions in the candidates, unit by unit
  qint64 lowerBound = 0;  // no plan of these units can do with fewer discs
  bool stopped = false;
};

UnitPlan planUnits(std::span<const Candidate> candidates, const PartMeasure& measure,
                   const std::function<bool()>& keepGoing);

}  // namespace search
