// Path helpers shared by every part of the program. They take the separator style as a
// parameter so that the Windows forms ("C:\x.txt", "C:" as a folder) behave as written too.
#pragma once

#include <QString>
#include <QStringView>

namespace catalogue {

enum class PathStyle { Posix, Windows };
constexpr PathStyle nativeStyle = PathStyle::Posix;

constexpr QChar separator(PathStyle style) { return style == PathStyle::Posix ? QChar(u'/') : QChar(u'\\'); }

// Folder and file name joined with exactly one separator; an empty folder gives "/name".
QString chkdir(const QString& folder, const QString& name, PathStyle style = nativeStyle);

// Whether `path` is the text chkdir(folder, name) would give, without building it.
bool isJoinedPath(QStringView path, QStringView folder, QStringView name, PathStyle style = nativeStyle);

// Whether chkdir(folderA, nameA) and chkdir(folderB, nameB) are the same text, without building either.
bool sameJoinedPath(QStringView folderA, QStringView nameA, QStringView folderB, QStringView nameB,
                    PathStyle style = nativeStyle);

// One double quote removed from each end, each independently.
QString UnPath(QString path);

struct SplitPath {
  QString folder;     // before the last separator, "" when there is none
  QString name;       // after the last separator
  QString extension;  // after the last "." anywhere in the path, "" when there is none
};
SplitPath splitPath(const QString& path, PathStyle style = nativeStyle);

}  // namespace catalogue
