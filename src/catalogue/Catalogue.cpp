// Entries are appended in constant time: the duplicate check is a hash look-up that gives
// the same answer as comparing the path with every row's rebuilt path.
#include "catalogue/Catalogue.h"

#include "catalogue/IconCache.h"
#include "catalogue/Numbers.h"
#include "platform/FolderListing.h"

namespace catalogue {

Catalogue::Catalogue(const platform::ValueStore& registry, PathStyle style)
    : style_(style), index_(upper_, style), types_(registry) {}

int Catalogue::getfilenum(const QString& path) const { return index_.find(path) + 1; }

void Catalogue::addfile(const QString& path, std::optional<qint64> knownSize) {
  if (getfilenum(path) != 0) return;
  SplitPath parts = splitPath(path, style_);
  const bool odd = !isJoinedPath(path, parts.folder, parts.name, style_);
  if (odd && oddKeys_.contains(path)) return;  // the key is already in use

  if (parts.folder == lastFolder_)
    parts.folder = lastFolder_;  // share one copy of the folder text
  else
    lastFolder_ = parts.folder;

  const std::optional<qint64> size = knownSize ? knownSize : platform::fileSize(path);
  FileEntry entry;
  entry.text = std::move(parts.name);
  entry.folder = std::move(parts.folder);
  entry.type = types_.describe(parts.extension);
  entry.size = size.value_or(0);
  if (odd) {
    entry.oddKey = path;
    oddKeys_.insert(path);
  }
  upper_.append(std::move(entry));
  index_.add(upper_.count() - 1);
  if (size) totalbytes_ += *size;
  refreshUpperSummary();
}

void Catalogue::clearUpper() {
  upper_.clear();
  oddKeys_.clear();
  index_.rebuild();
  lastFolder_.clear();
}

int Catalogue::removeUpperIf(const std::function<bool(const FileEntry&)>& pick) {
  const int removed = upper_.removeIf(pick);
  if (removed > 0) {
    index_.rebuild();
    rebuildKeys();
  }
  return removed;
}

void Catalogue::rebuildKeys() {
  oddKeys_.clear();
  for (int row = 0; row < upper_.count(); ++row)
    if (!upper_.at(row).oddKey.isEmpty()) oddKeys_.insert(upper_.at(row).oddKey);
}

int& Catalogue::iconsDone(FileList::Kind kind) {
  const bool upper = kind == FileList::Kind::Upper;
  const FileList& rows = upper ? upper_ : lower_;
  quint64& seen = upper ? upperIconsRevision_ : lowerIconsRevision_;
  int& done = upper ? upperIconsDone_ : lowerIconsDone_;
  if (seen != rows.structureRevision()) {
    seen = rows.structureRevision();
    done = 0;
  }
  return done;
}

void Catalogue::headerClicked(FileList::Kind kind, int column) {
  catalogue::headerClicked(kind == FileList::Kind::Upper ? upperSort_ : lowerSort_, column);
  resort(kind);
}

void Catalogue::resort(FileList::Kind kind) {
  const bool upper = kind == FileList::Kind::Upper;
  const SortState& state = upper ? upperSort_ : lowerSort_;
  if (!state.sorted) return;
  sortList(list(kind), state);
  if (upper) index_.rebuild();
}

QString Catalogue::upperSummary() const {
  return QStringLiteral("Files in list ") + QString::number(upper_.count()) + QStringLiteral(" of ") +
         megabytesText(totalbytes_) + QStringLiteral(" Megabytes");
}

QString Catalogue::lowerSummary(const QString& txttotal) const {
  return QString::number(lower_.count()) + QStringLiteral(" Files of ") + txttotal + QStringLiteral(" Megabytes");
}

void Catalogue::refreshicons(FileList::Kind kind, IconCache* icons, platform::EventPump& pump) {
  FileList& rows = list(kind);
  if (icons) {
    int& done = iconsDone(kind);
    for (int row = done; row < rows.count(); ++row) {
      if (rows.at(row).icon != 0) continue;
      const QString path = rows.fullPath(row);
      // A lower row that holds no absolute path ("/x" or "C:\x") has nothing to look up.
      const bool absolute =
          style_ == PathStyle::Posix ? path.startsWith(u'/') : QStringView(path).mid(1, 2) == u":\\";
      if (kind == FileList::Kind::Lower && !absolute) continue;
      rows.edit(row).icon = icons->GetIconIndex(path);
      pump.pump();
    }
    done = rows.count();
  }
  rows.requestColumnFit();
}

}  // namespace catalogue
