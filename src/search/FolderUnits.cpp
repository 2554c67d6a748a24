// Folders are told apart by the folder text of their rows, which the gathering shares between
// the rows of one folder, so grouping costs one hash lookup a file.
#include "search/FolderUnits.h"

#include <QHash>

#include "search/UnitPlan.h"

namespace search {

namespace {

// Each file its own unit, in the order given.
void singleUnits(std::vector<Candidate>& candidates) {
  int unit = 0;
  for (Candidate& candidate : candidates) candidate.unit = unit++;
}

}  // namespace

std::size_t unitEnd(std::span<const Candidate> candidates, std::size_t begin) {
  std::size_t end = begin + 1;
  while (end < candidates.size() && candidates[end].unit == candidates[begin].unit) ++end;
  return end;
}

PartMeasure measureFor(const catalogue::RunState& run, qint64 capacity, const catalogue::FileList& upper,
                       std::span<const Candidate> candidates) {
  return run.countAsOnDisc ? PartMeasure(capacity, upper, candidates) : PartMeasure(capacity);
}

void formUnits(std::vector<Candidate>& candidates, const catalogue::FileList& upper, const PartMeasure& measure,
               bool together, const std::function<bool()>& keepGoing) {
  singleUnits(candidates);
  if (!together) return;
  // The folders in the order of their first file; a file too large for any disc apart.
  std::vector<std::vector<Candidate>> folders;
  QHash<QString, std::size_t> folderOf;
  for (const Candidate& candidate : candidates) {
    const Candidate alone[] = {candidate};
    if (candidate.row >= upper.count() || !measure.fitsAlone(alone)) {
      folders.push_back({candidate});
      continue;
    }
    const QString& folder = upper.at(candidate.row).folder.text();
    auto at = folderOf.constFind(folder);
    if (at == folderOf.cend()) {
      at = folderOf.insert(folder, folders.size());
      folders.emplace_back();
    }
    folders[*at].push_back(candidate);
  }
  candidates.clear();
  int unit = 0;
  for (std::vector<Candidate>& files : folders) {
    if (files.size() == 1 || measure.fitsAlone(files)) {
      for (Candidate& file : files) candidates.push_back({file.size, file.row, unit});
      ++unit;
      continue;
    }
    singleUnits(files);
    for (const std::vector<std::size_t>& share : planUnits(files, measure, keepGoing).discs) {
      for (const std::size_t at : share) candidates.push_back({files[at].size, files[at].row, unit});
      ++unit;
    }
  }
}

}  // namespace search
