// The pass keeps its running total as a 64-bit count; the comparison with the limit is
// made in double precision, as the totals box and the tag are numbers in text.
#include "search/FitSearch.h"

#include "catalogue/Paths.h"
#include "catalogue/Utilization.h"

namespace search {

std::vector<Candidate> checkedCandidates(const catalogue::FileList& upper) {
  std::vector<Candidate> candidates;
  for (int row = 0; row < upper.count(); ++row)
    if (upper.at(row).checked) candidates.push_back({upper.at(row).size, row});
  return candidates;
}

void cmdsearch_Click(catalogue::WindowContext& w) {
  const catalogue::Control* button = w.form.find(QStringLiteral("cmdsearch"));
  if (!button || !button->enabled) return;
  std::vector<Candidate> candidates = checkedCandidates(w.catalogue.lstmain());
  fitSearch(w, candidates);
}

void fitSearch(catalogue::WindowContext& w, std::vector<Candidate>& candidates) {
  const double limit = catalogue::limitBytes(w.form);
  const int rows = w.catalogue.lstmain().count();
  std::vector<int> chosen;
  qint64 total = 0;
  size_t kept = 0;
  for (const Candidate candidate : candidates) {
    w.pump.pump();
    if (candidate.row >= rows || double(total + candidate.size) > limit) {
      candidates[kept++] = candidate;
      continue;
    }
    total += candidate.size;
    chosen.push_back(candidate.row);
  }
  candidates.resize(kept);
  if (chosen.empty()) {
    w.catalogue.clearUpper();
    candidates.clear();
  }
  servePart(w, chosen);
}

void servePart(catalogue::WindowContext& w, std::span<const int> rows) {
  catalogue::FileList& lower = w.catalogue.lstsec();
  lower.clear();
  const catalogue::FileList& upper = w.catalogue.lstmain();
  qint64 total = 0;
  for (const int row : rows) {
    catalogue::FileEntry chosen;
    chosen.text = upper.fullPath(row);
    chosen.size = upper.at(row).size;
    total += chosen.size;
    lower.append(std::move(chosen));
    w.catalogue.setUpperChecked(row, false);
  }
  catalogue::showLowerResult(w.form, w.catalogue, total);
  w.catalogue.resort(catalogue::FileList::Kind::Lower);
  w.catalogue.refreshicons(catalogue::FileList::Kind::Lower, w.icons, w.pump);
  if (!lower.isEmpty()) {
    ++w.run.partcount;
    w.form(QStringLiteral("lblCountCDTotal")).text = QStringLiteral("Total Part... ") + QString::number(w.run.partcount);
  }
}

}  // namespace search
