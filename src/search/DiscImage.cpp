// The layout counted here is the one libisofs writes for `-r -J`: 16 sectors of system area,
// three volume descriptors, then per tree each folder's directory (and, in the ISO tree, its
// continuation area), the two path tables, the file data, and 150 sectors of padding. The data
// never starts before sector 33. ISO names are 8.3 names; Rock Ridge adds PX (36 bytes), TF (26)
// and NM (5 + the name's bytes), continued elsewhere when the record would pass 254 bytes.
// Joliet names are cut to 64 UTF-16 units, and a name is left out of Joliet when its path, counted
// as 1 for the root and 1 + 2 a UTF-16 unit for each name, passes 240. A file of 4 GiB or more
// takes one record per section of its data.
#include "search/DiscImage.h"

#include <algorithm>

#include "catalogue/FileList.h"

namespace search {

namespace {

constexpr int rockRidgeFields = 36 + 26;  // PX and TF, on every record
constexpr int nameFieldHeader = 5;
constexpr int largestRecord = 254;
constexpr int continuationField = 28;
constexpr int jolietLongestName = 64;
constexpr int jolietLongestPath = 240 - 1;  // less the 1 the root counts
constexpr qint64 largestSection = (qint64(1) << 32) - discSector;
constexpr qint64 systemAreaAndDescriptors = 16 + 3;
constexpr qint64 earliestData = 33;
constexpr qint64 padding = 150;
constexpr int rootPathEntry = 10;
// "." and ".." of the root: the ISO "." also carries SP and the CE that points at the ER field.
constexpr int rootIsoDots = 132 + 96;
constexpr int rootExtensionReference = 237;
constexpr int folderIsoDots = 96 + 96;
constexpr int jolietDots = 34 + 34;

qint64 ceilDiv(qint64 a, qint64 b) { return (a + b - 1) / b; }
int even(int n) { return n + (n & 1); }

// The length of the 8.3 identifier the name becomes in the ISO tree (";1" included for files).
int isoIdentifier(QStringView name, bool folder) {
  const qsizetype dot = name.lastIndexOf(u'.');
  const qsizetype stem = dot < 0 ? name.size() : dot;
  const qsizetype extension = dot < 0 ? 0 : name.size() - dot - 1;
  if (stem == 0) return folder ? 12 : 14;  // ".profile": the most such a name can be given
  const int kept = int(std::min<qsizetype>(stem, 8));
  const int ending = int(std::min<qsizetype>(extension, 3));
  if (folder) return kept + (extension > 0 ? 1 + ending : 0);
  return kept + 1 + ending + 2;
}

// The bytes of the name on disk, counted without building them. A name that is not valid UTF-8
// holds a replacement or a lone surrogate for each stray byte, which counts three: never less.
int utf8Length(QStringView name) {
  int bytes = 0;
  for (qsizetype at = 0; at < name.size(); ++at) {
    const char16_t unit = name[at].unicode();
    if (unit < 0x80) {
      bytes += 1;
    } else if (unit < 0x800) {
      bytes += 2;
    } else if (QChar::isHighSurrogate(unit) && at + 1 < name.size() && name[at + 1].isLowSurrogate()) {
      bytes += 4;
      ++at;
    } else {
      bytes += 3;
    }
  }
  return bytes;
}

DiscName nameCosts(QStringView name, bool folder, int parentJolietPath) {
  DiscName costs;
  const int identifier = isoIdentifier(name, folder);
  const int base = 33 + identifier + (identifier % 2 == 0 ? 1 : 0) + rockRidgeFields;
  const int bytes = utf8Length(name);
  if (base + nameFieldHeader + bytes <= largestRecord) {
    costs.isoRecord = even(base + nameFieldHeader + bytes);
  } else {
    costs.isoRecord = largestRecord;
    const int inRecord = largestRecord - base - continuationField - nameFieldHeader;
    costs.isoContinued = nameFieldHeader + bytes - inRecord;
  }
  costs.jolietLength = int(std::min<qsizetype>(name.size(), jolietLongestName));
  if (parentJolietPath >= 0 && parentJolietPath + 2 * costs.jolietLength + 1 <= jolietLongestPath)
    costs.jolietRecord = even(33 + 2 * costs.jolietLength);
  costs.isoPathEntry = 8 + identifier + identifier % 2;
  return costs;
}

}  // namespace

DiscFolders::DiscFolders() { folders_.push_back(Folder{-1, {}, 0}); }

int DiscFolders::folder(const QString& path) {
  if (const auto known = byPath_.constFind(path); known != byPath_.cend()) return *known;
  const qsizetype cut = path.lastIndexOf(u'/');
  const int parent = cut <= 0 ? 0 : folder(path.left(cut));
  const QStringView name = QStringView(path).mid(cut + 1);
  const int made = name.isEmpty() ? parent : child(parent, name);
  byPath_.insert(path, made);
  return made;
}

int DiscFolders::child(int parent, QStringView name) {
  const int parentPath = folders_[std::size_t(parent)].jolietPath;
  Folder made{parent, nameCosts(name, true, parentPath), -1};
  if (made.name.jolietRecord > 0) made.jolietPath = parentPath + 2 * made.name.jolietLength + 1;
  folders_.push_back(made);
  return int(folders_.size()) - 1;
}

DiscFile DiscFolders::file(int folder, QStringView name, qint64 size) const {
  const DiscName costs = nameCosts(name, false, folders_[std::size_t(folder)].jolietPath);
  const qint64 bytes = std::max<qint64>(size, 0);
  const int sections = int(std::max<qint64>(1, ceilDiv(bytes, largestSection)));
  return {folder,  costs.isoRecord,  costs.isoContinued, costs.jolietRecord, ceilDiv(bytes, discSector),
          sections};
}

void DiscTally::Extent::add(int record) {
  bytes_ += record;
  largest_ = std::max(largest_, record);
  ++bands_[std::size_t(std::clamp(record, 0, 255) / bandWidth)];
  if (bytes_ <= discSector) {
    sectors_ = 1;
    return;
  }
  // Records never straddle a sector: a sector is closed when the next record does not fit, so
  // it leaves less than that record unused, and the records that open sectors are different
  // ones. The fewest sectors k with bytes + mostUnused(k - 1) <= k sectors is the most any
  // order of the records needs; the left side grows by less than a sector a step.
  qint64 low = std::max<qint64>(2, ceilDiv(bytes_, discSector));
  qint64 high = ceilDiv(bytes_, discSector + 1 - largest_) + 1;
  while (low < high) {
    const qint64 k = low + (high - low) / 2;
    if (bytes_ + mostUnused(k - 1) <= k * discSector)
      high = k;
    else
      low = k + 1;
  }
  sectors_ = low;
}

// The most that `closedSectors` records, the longest ones there are, can each leave unused.
qint64 DiscTally::Extent::mostUnused(qint64 closedSectors) const {
  qint64 unused = 0;
  for (std::size_t band = bands_.size(); band-- > 0 && closedSectors > 0;) {
    const qint64 taken = std::min<qint64>(closedSectors, bands_[band]);
    const int longest = std::min(int(band) * bandWidth + bandWidth - 1, largest_);
    unused += taken * (longest - 1);
    closedSectors -= taken;
  }
  return unused;
}

DiscTally::DiscTally(const DiscFolders& folders) : folders_(folders) { clear(); }

void DiscTally::clear() {
  states_.clear();
  foundFolder_ = -1;
  dataSectors_ = 0;
  isoPathTable_ = jolietPathTable_ = rootPathEntry;
  marked_ = false;
  undo_.clear();
  FolderState& root = states_[0];
  root.iso.add(rootIsoDots - 96);
  root.iso.add(96);
  root.continued.add(rootExtensionReference);
  root.joliet.add(jolietDots);
  folderSectors_ = folderSectors(root);
}

qint64 DiscTally::folderSectors(const FolderState& state) const {
  return state.iso.sectors() + state.continued.sectors() + state.joliet.sectors();
}

DiscTally::FolderState* DiscTally::find(int folder) const {
  if (folder == foundFolder_) return foundState_;
  const auto found = states_.find(folder);
  if (found == states_.end()) return nullptr;
  foundFolder_ = folder;
  // The map's nodes stay where they are until erased; only a rollback or clear() erases.
  foundState_ = const_cast<FolderState*>(&found->second);
  return foundState_;
}

DiscTally::FolderState& DiscTally::touch(int folder) {
  FolderState* found = find(folder);
  if (marked_) undo_.push_back({folder, found ? std::optional(*found) : std::nullopt});
  return found ? *found : states_[folder];
}

void DiscTally::addRecord(int folder, int isoRecord, int isoContinued, int jolietRecord) {
  FolderState& state = touch(folder);
  folderSectors_ -= folderSectors(state);
  state.iso.add(isoRecord);
  if (isoContinued > 0) state.continued.add(isoContinued);
  if (jolietRecord > 0) state.joliet.add(jolietRecord);
  folderSectors_ += folderSectors(state);
}

void DiscTally::openFolder(int folder) {
  if (find(folder)) return;
  const DiscFolders::Folder& facts = folders_.at(folder);
  openFolder(facts.parent);
  addRecord(facts.parent, facts.name.isoRecord, facts.name.isoContinued, facts.name.jolietRecord);
  FolderState& state = touch(folder);
  state.iso.add(folderIsoDots / 2);
  state.iso.add(folderIsoDots / 2);
  if (facts.jolietPath >= 0) state.joliet.add(jolietDots);
  folderSectors_ += folderSectors(state);
  isoPathTable_ += facts.name.isoPathEntry;
  if (facts.jolietPath >= 0) jolietPathTable_ += 8 + 2 * facts.name.jolietLength;
}

std::optional<qint64> DiscTally::bytesWith(const DiscFile& file) const {
  const FolderState* found = find(file.folder);
  if (!found) return std::nullopt;
  FolderState grown = *found;
  for (int section = 0; section < file.sections; ++section) {
    grown.iso.add(file.isoRecord);
    if (file.isoContinued > 0) grown.continued.add(file.isoContinued);
    if (file.jolietRecord > 0) grown.joliet.add(file.jolietRecord);
  }
  return bytesOf(folderSectors_ - folderSectors(*found) + folderSectors(grown), dataSectors_ + file.sectors);
}

void DiscTally::add(const DiscFile& file) {
  openFolder(file.folder);
  for (int section = 0; section < file.sections; ++section)
    addRecord(file.folder, file.isoRecord, file.isoContinued, file.jolietRecord);
  dataSectors_ += file.sectors;
}

qint64 DiscTally::bytes() const { return bytesOf(folderSectors_, dataSectors_); }

qint64 DiscTally::bytesOf(qint64 folderSectors, qint64 dataSectors) const {
  const qint64 pathTables = 2 * ceilDiv(isoPathTable_, discSector) + 2 * ceilDiv(jolietPathTable_, discSector);
  const qint64 tree = systemAreaAndDescriptors + pathTables + folderSectors;
  return (std::max(tree + 1, earliestData) + dataSectors + padding) * discSector;
}

qint64 DiscTally::leastBytes(const DiscFile& file) {
  return file.sectors * discSector + qint64(file.sections) * (file.isoRecord + file.isoContinued + file.jolietRecord);
}

qint64 DiscTally::fixedLeastBytes() {
  return (systemAreaAndDescriptors + 4 + padding) * discSector + rootIsoDots + rootExtensionReference + jolietDots;
}

void DiscTally::mark() {
  marked_ = true;
  undo_.clear();
  dataAtMark_ = dataSectors_;
  folderSectorsAtMark_ = folderSectors_;
  isoPathAtMark_ = isoPathTable_;
  jolietPathAtMark_ = jolietPathTable_;
}

void DiscTally::rollback() {
  if (!marked_) return;
  foundFolder_ = -1;
  for (auto undo = undo_.rbegin(); undo != undo_.rend(); ++undo) {
    if (undo->state)
      states_[undo->folder] = *undo->state;
    else
      states_.erase(undo->folder);
  }
  undo_.clear();
  dataSectors_ = dataAtMark_;
  folderSectors_ = folderSectorsAtMark_;
  isoPathTable_ = isoPathAtMark_;
  jolietPathTable_ = jolietPathAtMark_;
  marked_ = false;
}

void DiscTally::commit() {
  marked_ = false;
  undo_.clear();
}

qint64 discImageBytes(const catalogue::FileList& list) {
  DiscFolders folders;
  std::vector<DiscFile> files;
  files.reserve(std::size_t(list.count()));
  for (int row = 0; row < list.count(); ++row) {
    const QString path = list.fullPath(row);
    const qsizetype cut = path.lastIndexOf(u'/');
    files.push_back(folders.file(folders.folder(cut < 0 ? QString() : path.left(cut)), QStringView(path).mid(cut + 1),
                                 list.at(row).size));
  }
  DiscTally tally(folders);
  for (const DiscFile& file : files) tally.add(file);
  return tally.bytes();
}

}  // namespace search
