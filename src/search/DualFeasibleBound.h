// Lower bounds on the number of discs from dual feasible functions: maps of the sizes under
// which any files that fit one disc still weigh at most one disc, so the mapped sizes summed
// and rounded up count discs no plan can do without.
#pragma once

#include <QtGlobal>
#include <vector>

namespace search {

// The best of these bounds over a few parameters drawn from the sizes; `sorted` holds the
// positive sizes in ascending order. Costs a few thousand binary searches, whatever the files.
qint64 dualFeasibleBound(const std::vector<qint64>& sorted, qint64 capacity);

}  // namespace search
