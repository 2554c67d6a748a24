// The pass keeps its running total as a 64-bit count and compares it with the whole bytes
// of the capacity, which gives the same answer as the capacity itself for whole totals.
#include "search/FitSearch.h"

#include "search/FolderUnits.h"
#include "search/PartMeasure.h"

namespace search {

std::vector<Candidate> checkedCandidates(const catalogue::FileList& upper) {
  std::vector<Candidate> candidates;
  for (int row = 0; row < upper.count(); ++row)
    if (upper.at(row).checked) candidates.push_back({upper.at(row).size, row, int(candidates.size())});
  return candidates;
}

void cmdsearch_Click(const catalogue::CommandContext& c, SearchView& view, qint64 capacity) {
  if (!view.searchEnabled()) return;
  const catalogue::FileList& upper = c.catalogue.lstmain();
  std::vector<Candidate> candidates = checkedCandidates(upper);
  const PartMeasure measure = measureFor(c.run, capacity, upper, candidates);
  formUnits(candidates, upper, measure, c.run.keepFoldersTogether, [&c] {
    c.pump.pump();
    return !c.run.stopflag;
  });
  fitSearch(c, view, measure, candidates);
}

void fitSearch(const catalogue::CommandContext& c, SearchView& view, const PartMeasure& measure,
               std::vector<Candidate>& candidates) {
  const int rows = c.catalogue.lstmain().count();
  std::vector<int> chosen;
  PartFill disc(measure);
  size_t kept = 0;
  for (size_t begin = 0; begin < candidates.size();) {
    const size_t end = unitEnd(candidates, begin);
    const std::span<const Candidate> unit(candidates.data() + begin, end - begin);
    bool listed = true;
    for (const Candidate& file : unit) {
      c.pump.pump();
      listed = listed && file.row < rows;
    }
    if (listed && disc.take(unit)) {
      for (const Candidate& file : unit) chosen.push_back(file.row);
    } else {
      for (size_t at = begin; at < end; ++at) candidates[kept++] = candidates[at];
    }
    begin = end;
  }
  candidates.resize(kept);
  if (chosen.empty()) {
    c.catalogue.clearUpper();
    candidates.clear();
  }
  servePart(c, view, chosen);
}

void servePart(const catalogue::CommandContext& c, SearchView& view, std::span<const int> rows) {
  catalogue::FileList& lower = c.catalogue.lstsec();
  lower.clear();
  const catalogue::FileList& upper = c.catalogue.lstmain();
  qint64 total = 0;
  for (const int row : rows) {
    catalogue::FileEntry chosen;
    chosen.text = upper.fullPath(row);
    chosen.size = upper.at(row).size;
    total += chosen.size;
    lower.append(std::move(chosen));
    c.catalogue.setUpperChecked(row, false);
  }
  view.showResult(total);
  c.catalogue.resort(catalogue::FileList::Kind::Lower);
  c.catalogue.refreshicons(catalogue::FileList::Kind::Lower, c.icons, c.pump);
  if (!lower.isEmpty()) view.showPartNumber(++c.run.partcount);
}

}  // namespace search
