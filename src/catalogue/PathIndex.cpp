// FNV-1a over the UTF-16 units of the joined path, fed piece by piece.
#include "catalogue/PathIndex.h"

namespace catalogue {
namespace {

constexpr quint64 fnvOffset = 14695981039346656037ull;
constexpr quint64 fnvPrime = 1099511628211ull;

quint64 feed(quint64 h, QStringView text) {
  for (const QChar c : text) h = (h ^ c.unicode()) * fnvPrime;
  return h;
}

}  // namespace

PathIndex::PathIndex(const FileList& list, PathStyle style)
    : list_(list), rows_(0, Hasher{&list, style}, Equal{&list, style}) {}

size_t PathIndex::Hasher::operator()(int row) const {
  const FileEntry& e = list->at(row);
  const QChar sep = separator(style);
  quint64 h = feed(fnvOffset, e.folder);
  if (e.folder.isEmpty() || e.folder.back() != sep) h = (h ^ sep.unicode()) * fnvPrime;
  return size_t(feed(h, e.text));
}

size_t PathIndex::Hasher::operator()(QStringView path) const { return size_t(feed(fnvOffset, path)); }

bool PathIndex::Equal::operator()(int row, QStringView path) const {
  const FileEntry& e = list->at(row);
  return isJoinedPath(path, e.folder, e.text, style);
}

int PathIndex::find(QStringView path) const {
  const auto it = rows_.find(path);
  return it == rows_.end() ? -1 : *it;
}

void PathIndex::rebuild() {
  rows_.clear();
  rows_.reserve(size_t(list_.count()));
  for (int row = 0; row < list_.count(); ++row) rows_.insert(row);
}

}  // namespace catalogue
