// The space a set of files takes on a disc: an ISO 9660 image with Rock Ridge and Joliet, as
// the common burning programs and xorriso make it, with every file at its full path below the
// image's root (the layout a copy to a staging folder makes; the same files laid out flat take
// no more). The count never falls below the real image and stays close to it: each name's
// directory records are counted to the byte, and where the real layout depends on the order
// of the records within a sector, the count takes the most that order can cost.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

namespace catalogue {
class FileList;
}

namespace search {

inline constexpr qint64 discSector = 2048;

// What one name costs in the directory that holds it.
struct DiscName {
  int isoRecord = 0;      // its record in the ISO 9660 tree, Rock Ridge fields included
  int isoContinued = 0;   // the part of a long Rock Ridge name that spills into a continuation area
  int jolietRecord = 0;   // its record in the Joliet tree; 0 when the Joliet tree leaves it out
  int jolietLength = 0;   // the name's length in the Joliet tree, in UTF-16 units
  int isoPathEntry = 0;   // a folder's entry in each ISO path table
};

// A file ready to be counted: its folder in a DiscFolders, its name's costs, its sectors.
struct DiscFile {
  int folder = 0;
  int isoRecord = 0;
  int isoContinued = 0;
  int jolietRecord = 0;
  qint64 sectors = 0;
  int sections = 1;  // records in each tree: a file of 4 GiB or more has one per section
};

// The folders of a set of files, each once, with its parent and its name's costs. Folder 0 is
// the root of the image.
class DiscFolders {
 public:
  DiscFolders();
  // The folder of a path such as "/home/ann/music" (no trailing separator; "" is the root),
  // made with its parents when new.
  int folder(const QString& path);
  DiscFile file(int folder, QStringView name, qint64 size) const;

  struct Folder {
    int parent = -1;
    DiscName name;
    int jolietPath = 0;  // its path as the Joliet limit counts it, or -1 when left out
  };
  const Folder& at(int folder) const { return folders_[std::size_t(folder)]; }
  int count() const { return int(folders_.size()); }

 private:
  int child(int parent, QStringView name);
  std::vector<Folder> folders_;
  QHash<QString, int> byPath_;
};

// The image of the files added so far. Adding is cheap (the file's folder and the folders above
// it that are new to the image); mark() and rollback() let a search try a file or a whole folder
// and take it back.
class DiscTally {
 public:
  explicit DiscTally(const DiscFolders& folders);
  void add(const DiscFile& file);
  // The size of the image in bytes: the empty image is 183 sectors, the room its system area,
  // descriptors, path tables, root folders and padding take.
  qint64 bytes() const;
  // The size with `file` added, found without adding it; nothing when its folder is not on the
  // disc yet (then a trial tells).
  std::optional<qint64> bytesWith(const DiscFile& file) const;
  // The fewest bytes `file` can add to any image: what no packing of it can save.
  static qint64 leastBytes(const DiscFile& file);
  // The fewest bytes any image takes besides what its files add.
  static qint64 fixedLeastBytes();
  // A trial: what is added after mark() is taken back by rollback() or kept by commit().
  void mark();
  void rollback();
  void commit();
  void clear();

  // The records of one folder's directory in one tree, and how many sectors they need at most.
  class Extent {
   public:
    void add(int record);
    qint64 sectors() const { return sectors_; }

   private:
    static constexpr int bandWidth = 32;
    // The most the sectors after the first can leave unused: see sectors().
    qint64 mostUnused(qint64 closedSectors) const;
    qint64 bytes_ = 0;
    int largest_ = 0;
    std::array<int, 256 / bandWidth> bands_{};  // how many records in each band of lengths
    qint64 sectors_ = 0;
  };

 private:
  struct FolderState {
    Extent iso, continued, joliet;
  };
  struct Undo {
    int folder;
    std::optional<FolderState> state;  // none: the folder was not on the disc
  };
  FolderState& touch(int folder);
  // The folder's state when it is on the disc. The last one found is kept at hand, since a
  // search adds the files of one folder one after the other.
  FolderState* find(int folder) const;
  void addRecord(int folder, int isoRecord, int isoContinued, int jolietRecord);
  qint64 folderSectors(const FolderState& state) const;
  qint64 bytesOf(qint64 folderSectors, qint64 dataSectors) const;
  void openFolder(int folder);

  const DiscFolders& folders_;
  // Only the folders on the disc: a disc of a few files costs little however many folders the
  // candidates come from.
  std::unordered_map<int, FolderState> states_;
  mutable int foundFolder_ = -1;
  mutable FolderState* foundState_ = nullptr;
  qint64 dataSectors_ = 0;
  qint64 folderSectors_ = 0;
  qint64 isoPathTable_ = 0;
  qint64 jolietPathTable_ = 0;
  // The undo log of the trial since mark(); `marked_` false when no trial runs.
  bool marked_ = false;
  std::vector<Undo> undo_;
  qint64 dataAtMark_ = 0, folderSectorsAtMark_ = 0, isoPathAtMark_ = 0, jolietPathAtMark_ = 0;
};

// The bytes the image of every row of `list` takes (full paths, as the lower list holds them).
qint64 discImageBytes(const catalogue::FileList& list);

}  // namespace search
