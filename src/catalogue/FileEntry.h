// One row of either list. The upper list shows name, size, type, folder and "Bytes"; the
// lower list shows the full path as its text and "Bytes". Size texts are derived from
// `size` when shown, so a row stays small: folder and type texts are shared between rows.
#pragma once

#include <QString>

namespace catalogue {

struct FileEntry {
  QString text;    // upper: the file name; lower: the full path
  QString folder;  // upper only: the folder, without a trailing separator
  QString type;    // upper only: the file-type description
  QString oddKey;  // upper only: the key when it differs from the rebuilt full path
  qint64 size = 0;
  int icon = 0;  // 1-based icon index, 0 while unset
  bool checked = true;
};

}  // namespace catalogue
