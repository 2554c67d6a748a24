// Entries are appended in constant time: the duplicate check is a hash look-up that gives
// the same answer as comparing the path with every row's rebuilt path.
#include "catalogue/Catalogue.h"

#include "catalogue/IconCache.h"
#include "catalogue/Numbers.h"
#include "platform/FolderListing.h"
#include "platform/MessageTexts.h"

namespace catalogue {

Catalogue::Catalogue(const platform::ValueStore& registry, PathStyle style)
    : style_(style), index_(upper_, style), types_(registry) {}

int Catalogue::getfilenum(const QString& path) const { return index_.find(path) + 1; }

const SharedText& Catalogue::sharedFolder(const QString& folder) {
  // A listing hands in one folder text for all its files: the same data needs no comparing.
  const QString& last = lastFolder_.text();
  if (folder.constData() != last.constData() && folder != last) lastFolder_ = SharedText(folder);
  return lastFolder_;
}

void Catalogue::append(FileEntry entry, quint64 hash) {
  totalbytes_ += entry.size;
  upper_.append(std::move(entry));
  index_.add(upper_.count() - 1, hash);
  refreshUpperSummary();
}

void Catalogue::addfile(const QString& path, std::optional<qint64> knownSize) {
  const quint64 hash = index_.hashOf(path);
  if (index_.find(path, hash) >= 0) return;
  SplitPath parts = splitPath(path, style_);
  const bool odd = !isJoinedPath(path, parts.folder, parts.name, style_);
  if (odd && oddKeys_.contains(path)) return;  // the key is already in use

  // The rebuilt path of an odd row is not `path`: it is filed under its own hash.
  const quint64 filed = odd ? index_.hashOf(parts.folder, parts.name) : hash;
  const std::optional<qint64> size = knownSize ? knownSize : platform::fileSize(path);
  FileEntry entry;
  entry.text = std::move(parts.name);
  entry.folder = sharedFolder(parts.folder);
  entry.type = types_.describe(parts.extension);
  entry.size = size.value_or(0);
  if (odd) {
    entry.oddKey = true;
    oddKeys_.insert(path);
  }
  append(std::move(entry), filed);
}

void Catalogue::addfile(const QString& folder, const QString& name, qint64 size) {
  const QChar sep = separator(style_);
  // Only a plain folder and name join to a path whose split gives them back unchanged.
  if (style_ != nativeStyle || folder.isEmpty() || folder.back() == sep || name.contains(sep))
    return addfile(chkdir(folder, name), size);
  const SharedText& shared = sharedFolder(folder);
  const quint64 hash = index_.hashOf(shared.text(), name);
  if (index_.find(shared.text(), name, hash) >= 0) return;

  // The extension is what follows the path's last dot, even when that dot is the folder's.
  QString joinedExtension;
  QStringView extension;
  if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0) {
    extension = QStringView(name).mid(dot + 1);
  } else if (const qsizetype folderDot = folder.lastIndexOf(u'.'); folderDot >= 0) {
    joinedExtension = folder.mid(folderDot + 1) + sep + name;
    extension = joinedExtension;
  }
  FileEntry entry;
  entry.text = name;
  entry.folder = shared;
  entry.type = types_.describe(extension);
  entry.size = size;
  append(std::move(entry), hash);
}

void Catalogue::clearUpper() {
  upper_.clear();
  oddKeys_.clear();
  index_.rebuild();
  lastFolder_ = SharedText();
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
    if (const FileEntry& e = upper_.at(row); e.oddKey)
      oddKeys_.insert(e.folder.isEmpty() ? e.text : e.folder.text() + separator(style_) + e.text);
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
  return platform::text(platform::Msg::UpperSummary).arg(QString::number(upper_.count()), megabytesText(totalbytes_));
}

QString Catalogue::lowerSummary(const QString& txttotal) const {
  return platform::text(platform::Msg::LowerSummary).arg(QString::number(lower_.count()), txttotal);
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
