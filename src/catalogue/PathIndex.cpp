// FNV-1a over the UTF-16 units of the joined path, fed piece by piece, then mixed so that
// the low bits pick the slot; linear probing, kept at most half full.
#include "catalogue/PathIndex.h"

namespace catalogue {
namespace {

constexpr quint64 fnvOffset = 14695981039346656037ull;
constexpr quint64 fnvPrime = 1099511628211ull;
constexpr size_t firstSize = 16;

quint64 feed(quint64 h, QStringView text) {
  for (const QChar c : text) h = (h ^ c.unicode()) * fnvPrime;
  return h;
}

quint64 finish(quint64 h) {
  h ^= h >> 31;
  h *= 0x9E3779B97F4A7C15ull;
  return h ^ (h >> 29);
}

}  // namespace

PathIndex::PathIndex(const FileList& list, PathStyle style) : list_(list), style_(style) {}

quint64 PathIndex::folderState(const QString& folder) const {
  if (haveFolder_ && folder.constData() == lastFolder_.constData() && folder.size() == lastFolder_.size())
    return lastFolderState_;
  const QChar sep = separator(style_);
  quint64 h = feed(fnvOffset, folder);
  if (folder.isEmpty() || folder.back() != sep) h = (h ^ sep.unicode()) * fnvPrime;
  lastFolder_ = folder;
  lastFolderState_ = h;
  haveFolder_ = true;
  return h;
}

quint64 PathIndex::hashOf(QStringView path) const { return finish(feed(fnvOffset, path)); }

quint64 PathIndex::hashOf(const QString& folder, QStringView name) const {
  return finish(feed(folderState(folder), name));
}

quint64 PathIndex::rowHash(int row) const {
  const FileEntry& e = list_.at(row);
  return hashOf(e.folder.text(), e.text);
}

template <class Same>
int PathIndex::probe(quint64 hash, Same same) const {
  if (slots_.empty()) return -1;
  const size_t mask = slots_.size() - 1;
  const quint32 rowMask = quint32(mask), tag = tagOf(hash);
  for (size_t at = size_t(hash) & mask; slots_[at] != 0; at = (at + 1) & mask) {
    const quint32 slot = slots_[at];
    if ((slot & ~rowMask) != tag) continue;
    const int row = int(slot & rowMask) - 1;
    if (same(list_.at(row))) return row;
  }
  return -1;
}

int PathIndex::find(QStringView path, quint64 hash) const {
  fileWaiting();
  return probe(hash, [&](const FileEntry& e) { return isJoinedPath(path, e.folder.text(), e.text, style_); });
}

int PathIndex::find(const QString& folder, QStringView name, quint64 hash) const {
  fileWaiting();
  return probe(hash, [&](const FileEntry& e) { return sameJoinedPath(e.folder.text(), e.text, folder, name, style_); });
}

void PathIndex::add(int row, quint64 hash) {
  if (row != filed_) return;  // rows before it wait: it waits with them
  if (size_t(filed_ + 1) * 2 > slots_.size()) {
    // Rows are filed again in row order, so that a run of rows of one folder works the
    // folder's part out once.
    const int rows = filed_;
    resize(slots_.empty() ? firstSize : slots_.size() * 2);
    for (int r = 0; r < rows; ++r) file(r, rowHash(r));
  }
  file(row, hash);
}

void PathIndex::fileWaiting() const {
  const int rows = list_.count();
  if (filed_ == rows) return;
  size_t size = firstSize;
  while (size < size_t(rows) * 2) size *= 2;
  if (slots_.size() < size) resize(size);  // and file every row anew
  for (int row = filed_; row < rows; ++row) file(row, rowHash(row));
}

void PathIndex::file(int row, quint64 hash) const {
  const size_t mask = slots_.size() - 1;
  size_t at = size_t(hash) & mask;
  while (slots_[at] != 0) at = (at + 1) & mask;
  slots_[at] = tagOf(hash) | quint32(row + 1);
  filed_ = row + 1;
}

void PathIndex::resize(size_t size) const {
  slots_.assign(size, 0);
  rowBits_ = 0;
  while ((size_t(1) << rowBits_) < size) ++rowBits_;
  filed_ = 0;
}

quint32 PathIndex::tagOf(quint64 hash) const {
  // The slot comes from the low bits of the hash; the tag from the high ones.
  return rowBits_ >= 32 ? 0 : quint32(hash >> 32) << rowBits_;
}

void PathIndex::rebuild() {
  slots_.clear();
  slots_.shrink_to_fit();
  filed_ = 0;
  haveFolder_ = false;
  lastFolder_.clear();
}

void PathIndex::renumber(const RowOrder& order) {
  // A row's hash, and so its slot and tag, stay as they were; only the number changes.
  std::vector<quint32> newRow(order.size());
  for (size_t row = 0; row < order.size(); ++row) newRow[order[row]] = quint32(row);
  const quint32 rowMask = quint32(slots_.size() - 1);
  for (quint32& slot : slots_)
    if (slot != 0) slot = (slot & ~rowMask) | (newRow[(slot & rowMask) - 1] + 1);
}

}  // namespace catalogue
