// The pass keeps its running total as a 64-bit count and compares it with the whole bytes
// of the capacity, which gives the same answer as the capacity itself for whole totals.
#include "search/FitSearch.h"

namespace search {

std::vector<Candidate> checkedCandidates(const catalogue::FileList& upper) {
  std::vector<Candidate> candidates;
  for (int row = 0; row < upper.count(); ++row)
    if (upper.at(row).checked) candidates.push_back({upper.at(row).size, row});
  return candidates;
}

void cmdsearch_Click(const catalogue::CommandContext& c, SearchView& view, qint64 capacity) {
  if (!view.searchEnabled()) return;
  std::vector<Candidate> candidates = checkedCandidates(c.catalogue.lstmain());
  fitSearch(c, view, capacity, candidates);
}

void fitSearch(const catalogue::CommandContext& c, SearchView& view, qint64 capacity,
               std::vector<Candidate>& candidates) {
  const int rows = c.catalogue.lstmain().count();
  std::vector<int> chosen;
  qint64 total = 0;
  size_t kept = 0;
  for (const Candidate candidate : candidates) {
    c.pump.pump();
    if (candidate.row >= rows || total + candidate.size > capacity) {
      candidates[kept++] = candidate;
      continue;
    }
    total += candidate.size;
    chosen.push_back(candidate.row);
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
