// The selection as file managers and burning programs take it from the clipboard or a
// drag: one QMimeData with every format they read, built from the same list of paths.
#pragma once

#include <QByteArray>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <memory>

namespace output {

// Our own type for the file-drop block (a 20-byte header and the paths, see fileDropBlock).
extern const QString fileDropMimeType;

// Every format fileDropData() fills, in the order a receiver should prefer them.
QStringList fileDropFormats();

// The file-drop block: a 20-byte little-endian header in which only the offset of the list
// (20) is set, then each path's bytes ended by a NUL, then one more NUL.
QByteArray fileDropBlock(const QStringList& paths);

// "file://" and the path's bytes, percent-encoded but for "/" and the unreserved characters,
// so that a name that is not valid UTF-8 keeps its bytes.
QByteArray fileUri(const QString& path);

// The block, text/uri-list, x-special/gnome-copied-files (GNOME Files, Thunar),
// application/x-kde-cutselection (Dolphin) and text/plain, one path a line.
std::unique_ptr<QMimeData> fileDropData(const QStringList& paths);

}  // namespace output
