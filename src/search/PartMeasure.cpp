// The disc count keeps a DiscFile for every upper row a search may take, made once from the
// row's folder and name, so the passes of a batch cost no string work per file.
#include "search/PartMeasure.h"

namespace search {

PartMeasure::PartMeasure(qint64 capacity) : capacity_(capacity) {}

PartMeasure::PartMeasure(qint64 capacity, const catalogue::FileList& upper, std::span<const Candidate> candidates)
    : capacity_(capacity) {
  auto disc = std::make_shared<Disc>();
  disc->files.resize(std::size_t(upper.count()));
  // The rows of one folder share its text, and mostly follow each other.
  const QChar* lastFolderText = nullptr;
  int lastFolder = 0;
  for (const Candidate& candidate : candidates) {
    if (candidate.row >= upper.count()) continue;
    const catalogue::FileEntry& entry = upper.at(candidate.row);
    if (entry.folder.constData() != lastFolderText || entry.folder.isEmpty()) {
      lastFolder = disc->folders.folder(entry.folder.text());
      lastFolderText = entry.folder.constData();
    }
    disc->files[std::size_t(candidate.row)] = disc->folders.file(lastFolder, entry.text, entry.size);
  }
  disc_ = std::move(disc);
}

bool PartMeasure::fitsAlone(std::span<const Candidate> files) const {
  PartFill empty(*this);
  return empty.take(files);
}

qint64 PartMeasure::leastWeight(const Candidate& file) const {
  return disc_ ? DiscTally::leastBytes(discFile(file)) : file.size;
}

qint64 PartMeasure::planRoom() const { return disc_ ? capacity_ - DiscTally::fixedLeastBytes() : capacity_; }

PartFill::PartFill(const PartMeasure& measure) : measure_(measure) {
  if (measure.onDisc()) tally_.emplace(measure.discFolders());
}

bool PartFill::take(std::span<const Candidate> files) {
  const qint64 capacity = measure_.capacity();
  if (!tally_) {
    qint64 total = bytes_;
    for (const Candidate& file : files) {
      total += file.size;
      if (total > capacity) return false;
    }
    bytes_ = total;
    return true;
  }
  // The file data alone rules most files out before any folder is counted.
  qint64 data = tally_->bytes();
  for (const Candidate& file : files) data += measure_.discFile(file).sectors * discSector;
  if (data > capacity) return false;
  if (files.size() == 1) {
    if (const std::optional<qint64> with = tally_->bytesWith(measure_.discFile(files[0]))) {
      if (*with > capacity) return false;
      tally_->add(measure_.discFile(files[0]));
      return true;
    }
  }
  tally_->mark();
  for (const Candidate& file : files) tally_->add(measure_.discFile(file));
  if (tally_->bytes() > capacity) {
    tally_->rollback();
    return false;
  }
  tally_->commit();
  return true;
}

qint64 PartFill::size() const { return tally_ ? tally_->bytes() : bytes_; }

}  // namespace search
