// An exact search for a plan of a given number of discs, for the sets the pool search leaves a
// disc above the bound: most often sets whose discs must each be filled to the byte, where a
// swap that leaves a few bytes free anywhere is already a disc too many.
#pragma once

#include <QtGlobal>
#include <optional>
#include <span>

#include "search/DiscAssignment.h"
#include "search/WorkMeter.h"

namespace search {

// A plan of `sizes` (each between 0 and `capacity`) on at most `discs` discs, or nothing when
// there is none or the work of `meter` ran out before one was found. Only sets whose discs would
// waste less than their smallest file in all are searched; others give nothing at once.
std::optional<DiscAssignment> packOnto(std::span<const qint64> sizes, qint64 capacity, qint64 discs, WorkMeter& meter);

}  // namespace search
