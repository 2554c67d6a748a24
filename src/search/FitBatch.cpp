// The tree keeps the candidates in place and marks the taken ones, so a part is found
// without moving the rest; the plain pass takes over, on what is left, should the upper
// list change under a running batch, as only that pass checks every row is still listed.
#include "search/FitBatch.h"

#include <utility>

#include "search/PartMeasure.h"

namespace search {

namespace {
// Files taken between two looks at the window's events, when one part holds very many.
constexpr std::size_t takesPerPump = 4096;
}  // namespace

FitBatch::FitBatch(const PartMeasure& measure, std::vector<Candidate> candidates, bool together,
                   const catalogue::FileList& upper)
    : measure_(measure), candidates_(std::move(candidates)), left_(candidates_.size()), upperRows_(upper.count()) {
  if (measure.onDisc() || together) return;
  std::vector<qint64> sizes;
  sizes.reserve(candidates_.size());
  for (const Candidate& c : candidates_) sizes.push_back(c.size);
  tree_.emplace(sizes);
}

void FitBatch::toPlainPass() {
  std::size_t kept = 0;
  for (std::size_t at = 0; at < candidates_.size(); ++at)
    if (!tree_->removed(at)) candidates_[kept++] = candidates_[at];
  candidates_.resize(kept);
  tree_.reset();
}

void FitBatch::next(const catalogue::CommandContext& c, SearchView& view) {
  if (tree_ && c.catalogue.lstmain().count() != upperRows_) toPlainPass();
  if (!tree_) {
    fitSearch(c, view, measure_, candidates_);
    left_ = candidates_.size();
    return;
  }
  std::vector<int> chosen;
  qint64 room = measure_.capacity();
  for (std::size_t at = tree_->firstAtMost(0, room); at < tree_->files(); at = tree_->firstAtMost(at + 1, room)) {
    room -= candidates_[at].size;
    tree_->remove(at);
    chosen.push_back(candidates_[at].row);
    if (chosen.size() % takesPerPump == 0) c.pump.pump();
  }
  left_ -= chosen.size();
  if (chosen.empty()) {
    c.catalogue.clearUpper();
    left_ = 0;
  }
  servePart(c, view, chosen);
}

}  // namespace search
