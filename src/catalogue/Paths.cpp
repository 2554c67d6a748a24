// Joining and splitting paths.
#include "catalogue/Paths.h"

namespace catalogue {

QString chkdir(const QString& folder, const QString& name, PathStyle style) {
  const QChar sep = separator(style);
  if (!folder.isEmpty() && folder.back() == sep) return folder + name;
  return folder + sep + name;
}

bool isJoinedPath(QStringView path, QStringView folder, QStringView name, PathStyle style) {
  const QChar sep = separator(style);
  const bool hasSep = !folder.isEmpty() && folder.back() == sep;
  const qsizetype length = folder.size() + (hasSep ? 0 : 1) + name.size();
  if (path.size() != length || !path.startsWith(folder) || !path.endsWith(name)) return false;
  return hasSep || path.at(folder.size()) == sep;
}

bool sameJoinedPath(QStringView folderA, QStringView nameA, QStringView folderB, QStringView nameB, PathStyle style) {
  const QChar sep = separator(style);
  const auto withSeparator = [sep](QStringView folder) { return folder.isEmpty() || folder.back() != sep; };
  const bool sepA = withSeparator(folderA), sepB = withSeparator(folderB);
  if (folderA.size() + sepA + nameA.size() != folderB.size() + sepB + nameB.size()) return false;
  if (folderA.size() == folderB.size() && sepA == sepB) return folderA == folderB && nameA == nameB;
  // The separator falls elsewhere in each: compare the joined texts unit by unit.
  const auto at = [sep](QStringView folder, bool withSep, QStringView name, qsizetype i) {
    if (i < folder.size()) return folder[i];
    i -= folder.size();
    if (withSep) {
      if (i == 0) return sep;
      --i;
    }
    return name[i];
  };
  const qsizetype length = folderA.size() + sepA + nameA.size();
  for (qsizetype i = 0; i < length; ++i)
    if (at(folderA, sepA, nameA, i) != at(folderB, sepB, nameB, i)) return false;
  return true;
}

QString UnPath(QString path) {
  if (path.startsWith(u'"')) path.remove(0, 1);
  if (path.endsWith(u'"')) path.chop(1);
  return path;
}

SplitPath splitPath(const QString& path, PathStyle style) {
  SplitPath parts;
  const qsizetype sep = path.lastIndexOf(separator(style));
  if (sep < 0) {
    parts.name = path;
  } else {
    parts.folder = path.left(sep);
    parts.name = path.mid(sep + 1);
  }
  const qsizetype dot = path.lastIndexOf(u'.');
  if (dot >= 0) parts.extension = path.mid(dot + 1);
  return parts;
}

}  // namespace catalogue
