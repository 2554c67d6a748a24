// Entries are appended in constant time: the duplicate check is a hash look-up that gives
// the same answer as comparing the path with every row's rebuilt path, and the files of a
// folder no row lies in yet need none.
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

void Catalogue::append(FileEntry entry, std::optional<quint64> hash) {
  totalbytes_ += entry.size;
  if (!entry.folder.sharesWith(notedFolder_)) {
    notedFolder_ = entry.folder;
    // The folder the row's rebuilt path lies in: the text before its last separator.
    const QString& folder = entry.folder.text();
    const QChar sep = separator(style_);
    rowFolders_.insert(!folder.isEmpty() && folder.back() == sep ? folder.chopped(1) : folder);
  }
  upper_.append(std::move(entry));
  if (hash) index_.add(upper_.count() - 1, *hash);
  refreshUpperSummary();
}

void Catalogue::addfile(const QString& path, std::optional<qint64> knownSize) {
  freshListing_ = false;  // the row may be one the listing names
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

bool Catalogue::isPlainFolder(const QString& folder) const {
  return style_ == nativeStyle && !folder.isEmpty() && folder.back() != separator(style_);
}

void Catalogue::beginListing(const QString& folder) {
  // A plain folder's rows rebuild to "folder/name" and no other folder's do: while no row
  // lies in the folder, only a row of this listing could have the path of another.
  freshListing_ = isPlainFolder(folder) && !rowFolders_.contains(folder);
  if (freshListing_) listingFolder_ = sharedFolder(folder);
}

void Catalogue::addfile(const QString& folder, const QString& name, qint64 size) {
  // Only a plain folder and name join to a path whose split gives them back unchanged.
  if (!isPlainFolder(folder) || name.contains(separator(style_))) return addfile(chkdir(folder, name), size);
  const SharedText& shared = sharedFolder(folder);
  std::optional<quint64> hash;
  if (!freshListing_ || !shared.sharesWith(listingFolder_)) {
    freshListing_ = false;
    hash = index_.hashOf(shared.text(), name);
    if (index_.find(shared.text(), name, *hash) >= 0) return;
  }

  // The extension is what follows the path's last dot, even when that dot is the folder's.
  QString joinedExtension;
  QStringView extension;
  if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0) {
    extension = QStringView(name).mid(dot + 1);
  } else if (const qsizetype folderDot = folder.lastIndexOf(u'.'); folderDot >= 0) {
    joinedExtension = folder.mid(folderDot + 1) + separator(style_) + name;
    extension = joinedExtension;
  }
  FileEntry entry;
  entry.text = name;
  entry.folder = shared;
  entry.type = types_.describe(extension);
  entry.size = size;
  entry.listed = true;
  append(std::move(entry), hash);
}

void Catalogue::clearUpper() {
  upper_.clear();
  oddKeys_.clear();
  rowFolders_.clear();
  notedFolder_ = SharedText();
  freshListing_ = false;
  index_.rebuild();
  lastFolder_ = SharedText();
}

int Catalogue::removeUpperIf(const std::function<bool(const FileEntry&)>& pick) {
  const int removed = upper_.removeIf(pick);
  freshListing_ = false;
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

RowOrder Catalogue::headerClicked(FileList::Kind kind, int column) {
  catalogue::headerClicked(kind == FileList::Kind::Upper ? upperSort_ : lowerSort_, column);
  return resort(kind);
}

RowOrder Catalogue::resort(FileList::Kind kind) {
  const bool upper = kind == FileList::Kind::Upper;
  const SortState& state = upper ? upperSort_ : lowerSort_;
  if (!state.sorted) return {};
  RowOrder order = sortList(list(kind), state);
  if (!upper || order.empty()) return order;
  // Without odd keys no two rows share a rebuilt path, and the index can keep its slots.
  if (oddKeys_.isEmpty())
    index_.renumber(order);
  else
    index_.rebuild();
  return order;
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
      const bool listed = rows.at(row).listed;
      rows.edit(row).icon = icons->GetIconIndex(path, listed);
      pump.pump();
    }
    done = rows.count();
  }
  rows.requestColumnFit();
}

}  // namespace catalogue
