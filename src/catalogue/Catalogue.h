// The program's central data: the upper list of candidates and the lower list of chosen
// files, the byte total of the last gathering and the one-line summaries. The upper list
// is changed only through this class, so that its path index stays in step with it.
#pragma once

#include <QtGlobal>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "catalogue/FileList.h"
#include "catalogue/ListSort.h"
#include "catalogue/PathIndex.h"
#include "catalogue/TypeDescriptions.h"
#include "platform/EventPump.h"

namespace catalogue {

class IconCache;

class Catalogue {
 public:
  explicit Catalogue(const platform::ValueStore& registry, PathStyle style = nativeStyle);
  // Its path index refers to its own upper list: a copy would index the wrong rows.
  Q_DISABLE_COPY_MOVE(Catalogue)

  const FileList& lstmain() const { return upper_; }
  FileList& lstsec() { return lower_; }
  const FileList& lstsec() const { return lower_; }
  PathStyle style() const { return style_; }

  // Creates one checked upper entry for the full path unless an entry with that path (or
  // that key) exists. `knownSize` is the size a folder listing already read; without it
  // the file is measured, and a file that cannot be measured counts as 0 bytes.
  void addfile(const QString& path, std::optional<qint64> knownSize = std::nullopt);
  // The same for the file `name` a listing of `folder` (a path in the native style) found,
  // as addfile(chkdir(folder, name), size) would add it, without building the path. The
  // row is known to be a regular file.
  void addfile(const QString& folder, const QString& name, qint64 size);
  // The files of one listing of `folder` follow, each added with the call above and each
  // name once, as a listing gives them; any other change of the upper list ends them.
  // While no row lies in the folder, they need no look-up for an equal path.
  void beginListing(const QString& folder);
  // The 1-based row of the upper entry whose rebuilt full path equals `path`, 0 if none.
  int getfilenum(const QString& path) const;

  void clearUpper();
  // Takes out every upper entry the predicate picks, in one pass; returns how many went.
  int removeUpperIf(const std::function<bool(const FileEntry&)>& pick);
  void setUpperChecked(int row, bool checked) { upper_.setChecked(row, checked); }

  // A click on a column header of a list; sorting then stays on for that list.
  // Returns the old number of each row, empty when the rows kept their places.
  RowOrder headerClicked(FileList::Kind kind, int column);
  // Puts the rows added since into the list's sort order, when it is sorted. Commands that
  // add rows call it once at their end, so a walk does not sort once per folder.
  RowOrder resort(FileList::Kind kind);
  const SortState& sortState(FileList::Kind kind) const {
    return kind == FileList::Kind::Upper ? upperSort_ : lowerSort_;
  }

  // Sum of the sizes added since the last reset; removals do not reduce it.
  qint64 totalbytes() const { return totalbytes_; }
  void resetTotal() { totalbytes_ = 0; }

  // "Files in list N of X Megabytes".
  QString upperSummary() const;
  // The label is rewritten when the window next gets to draw (or at the end of the
  // command), not once per file: asking is free, taking the request clears it.
  void refreshUpperSummary() { upperSummaryRequested_ = true; }
  bool takeUpperSummaryRequest() { return std::exchange(upperSummaryRequested_, false); }
  // "N Files of <total> Megabytes".
  QString lowerSummary(const QString& txttotal) const;
  // The lower list's byte total, to be shown the same way (a Load adds rows one by one);
  // the last request counts.
  void refreshLowerTotals(qint64 bytes) { lowerTotalsRequest_ = bytes; }
  std::optional<qint64> takeLowerTotalsRequest() { return std::exchange(lowerTotalsRequest_, std::nullopt); }

  // Gives every row without an icon its file-type icon, letting the window process events
  // between rows, then asks the view to fit its columns. Without an icon cache (no
  // display) the icons stay unset.
  void refreshicons(FileList::Kind kind, IconCache* icons, platform::EventPump& pump);

 private:
  FileList& list(FileList::Kind kind) { return kind == FileList::Kind::Upper ? upper_ : lower_; }
  void rebuildKeys();
  // The folder text the row gets: the copy the previous row holds when it is the same.
  const SharedText& sharedFolder(const QString& folder);
  // Files the row in the path index under `hash`, or leaves it to wait for the next look-up.
  void append(FileEntry entry, std::optional<quint64> hash);
  // Whether the folder is one the rows of addfile(folder, name, size) keep as it is given.
  bool isPlainFolder(const QString& folder) const;
  int& iconsDone(FileList::Kind kind);

  PathStyle style_;
  FileList upper_{FileList::Kind::Upper, style_};
  FileList lower_{FileList::Kind::Lower, style_};
  PathIndex index_;
  // Keys of entries whose key is not their rebuilt full path ("name" without a folder);
  // the list refuses a second entry with such a key too.
  QSet<QString> oddKeys_;
  TypeDescriptions types_;
  qint64 totalbytes_ = 0;
  SharedText lastFolder_;  // shared by consecutive files of one folder
  // The folders the rows' rebuilt paths lie in (perhaps some more after a removal), noted
  // once per run of rows of one folder.
  QSet<QString> rowFolders_;
  SharedText notedFolder_;
  // A listing of a folder no row lay in is under way (see beginListing).
  bool freshListing_ = false;
  SharedText listingFolder_;
  // Rows below these marks have their icons, so a refresh after each folder of a walk
  // looks at the new rows only; a change of structure sends the mark back to 0.
  int upperIconsDone_ = 0, lowerIconsDone_ = 0;
  quint64 upperIconsRevision_ = 0, lowerIconsRevision_ = 0;
  bool upperSummaryRequested_ = false;
  std::optional<qint64> lowerTotalsRequest_;
  SortState upperSort_, lowerSort_;
};

}  // namespace catalogue
