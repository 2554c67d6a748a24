// How a search measures a part: by the bytes of its files, or, when the run counts as on the
// disc, by the image those files make. Both answer the one question every search asks: does
// this file, or this whole folder, still fit on the disc being filled?
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "catalogue/FileList.h"
#include "search/DiscImage.h"
#include "search/FitSearch.h"

namespace search {

class PartMeasure {
 public:
  // By bytes.
  explicit PartMeasure(qint64 capacity);
  // As on the disc, for the rows of `upper` that `candidates` name.
  PartMeasure(qint64 capacity, const catalogue::FileList& upper, std::span<const Candidate> candidates);

  bool onDisc() const { return disc_ != nullptr; }
  qint64 capacity() const { return capacity_; }
  // Whether these files fit on an empty disc.
  bool fitsAlone(std::span<const Candidate> files) const;
  // What the file adds to a disc at the least, whatever else the disc holds: its bytes, or its
  // sectors and names as on the disc. A plan can treat these as sizes against `planRoom()`.
  qint64 leastWeight(const Candidate& file) const;
  // The room for those weights on one disc: the capacity less what every image takes anyway.
  qint64 planRoom() const;

  const DiscFile& discFile(const Candidate& file) const { return disc_->files[std::size_t(file.row)]; }
  const DiscFolders& discFolders() const { return disc_->folders; }

 private:
  struct Disc {
    DiscFolders folders;
    std::vector<DiscFile> files;  // by upper row
  };
  qint64 capacity_;
  std::shared_ptr<const Disc> disc_;
};

// The disc being filled: files or whole folders are taken while they fit.
class PartFill {
 public:
  explicit PartFill(const PartMeasure& measure);
  // Takes every file of `files` if they all fit beside what the disc holds; otherwise none.
  bool take(std::span<const Candidate> files);
  // The disc's size as the measure counts it.
  qint64 size() const;

 private:
  const PartMeasure& measure_;
  qint64 bytes_ = 0;
  std::optional<DiscTally> tally_;
};

}  // namespace search
