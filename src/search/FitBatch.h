// The fit passes of a batch, one part a call, until no candidate is left. Counted by bytes
// with every file its own unit, a pass is first fit in list order, which a min tree over the
// candidates answers file by file: each part costs its own files, not all that are left.
// Any other measure or grouping runs the plain pass each time.
#pragma once

#include <optional>
#include <vector>

#include "catalogue/CommandContext.h"
#include "search/FirstFitTree.h"
#include "search/FitSearch.h"
#include "search/SearchView.h"

namespace search {

class PartMeasure;

class FitBatch {
 public:
  // `candidates` are rows of `upper` in list order, grouped into units by folder when `together`.
  FitBatch(const PartMeasure& measure, std::vector<Candidate> candidates, bool together,
           const catalogue::FileList& upper);

  bool more() const { return left_ > 0; }
  // What fitSearch would do with the candidates left: the next part, shown as it shows it.
  void next(const catalogue::CommandContext& context, SearchView& view);

 private:
  void toPlainPass();

  const PartMeasure& measure_;
  std::vector<Candidate> candidates_;  // all of them while the tree is in use, else those left
  std::optional<FirstFitTree> tree_;
  std::size_t left_;
  int upperRows_;
};

}  // namespace search
