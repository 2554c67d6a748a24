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
  catalogue::FileList& lower = w.catalogue.lstsec();
  lower.clear();
  w.form(QStringLiteral("txttotal")).text = QStringLiteral("0");
  const double limit = catalogue::limitBytes(w.form);
  const catalogue::FileList& upper = w.catalogue.lstmain();
  qint64 total = 0;
  size_t kept = 0;
  for (const Candidate candidate : candidates) {
    w.pump.pump();
    if (candidate.row >= upper.count() || double(total + candidate.size) > limit) {
      candidates[kept++] = candidate;
      continue;
    }
    total += candidate.size;
    catalogue::FileEntry chosen;
    chosen.text = upper.fullPath(candidate.row);
    chosen.size = candidate.size;
    lower.append(std::move(chosen));
    w.catalogue.setUpperChecked(candidate.row, false);
  }
  candidates.resize(kept);
  if (lower.isEmpty()) {
    w.catalogue.clearUpper();
    candidates.clear();
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
