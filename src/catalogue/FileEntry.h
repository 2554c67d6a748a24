// One row of either list. The upper list shows name, size, type, folder and "Bytes"; the
// lower list shows the full path as its text and "Bytes". Size texts are derived from
// `size` when shown, so a row stays small: folder and type texts are shared between rows,
// each held in one pointer's room.
#pragma once

#include <QString>

#include "catalogue/SharedText.h"

namespace catalogue {

struct FileEntry {
  QString text;       // upper: the file name; lower: the full path
  SharedText folder;  // upper only: the folder, without a trailing separator
  SharedText type;    // upper only: the file-type description
  qint64 size = 0;
  int icon = 0;  // 1-based icon index, 0 while unset
  bool checked = true;
  // Upper only: the row's key is not its rebuilt full path but the path it was added by,
  // a name without a folder ("name") or the folder and name joined as they are ("a//b").
  bool oddKey = false;
  // Upper only: a folder listing found the row as a regular file, so it needs no look to
  // tell whether it is a folder.
  bool listed = false;
};

}  // namespace catalogue
