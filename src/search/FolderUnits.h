// The units a search places: each file alone, or, when folders are kept together, all the
// checked files of one folder (not its subfolders). A folder too large for one disc becomes as
// few shares as a plan of its own files needs, each share a unit.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "catalogue/FileList.h"
#include "search/FitSearch.h"
#include "search/PartMeasure.h"

namespace search {

// Numbers the units of `candidates` and puts the files of each side by side, the units in the
// order of their first file and the files of a unit in list order. A file that does not fit a
// disc by itself stays a unit of its own. `keepGoing` is asked while a large folder is shared.
void formUnits(std::vector<Candidate>& candidates, const catalogue::FileList& upper, const PartMeasure& measure,
               bool together, const std::function<bool()>& keepGoing);

// Where the unit that starts at `begin` ends.
std::size_t unitEnd(std::span<const Candidate> candidates, std::size_t begin);

// The measure the run asks for: as on the disc when it counts so, else by bytes.
PartMeasure measureFor(const catalogue::RunState& run, qint64 capacity, const catalogue::FileList& upper,
                       std::span<const Candidate> candidates);

}  // namespace search
