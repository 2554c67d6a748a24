// The block keeps the layout of the drop record that burning programs have long taken from
// the clipboard. Its names are 8-bit text "in the system's code page": on Linux that is the
// file-name bytes themselves, so each path is written exactly as the file system has it.
#include "output/FileDrop.h"

#include <QtEndian>

#include "platform/FileNames.h"

namespace output {

namespace {

constexpr int headerSize = 20;  // pFiles, pt.x, pt.y, fNC, fWide: four bytes each

const QString uriListType = QStringLiteral("text/uri-list");
const QString gnomeCopiedType = QStringLiteral("x-special/gnome-copied-files");
const QString kdeCutType = QStringLiteral("application/x-kde-cutselection");
const QString plainTextType = QStringLiteral("text/plain");

}  // namespace

const QString fileDropMimeType = QStringLiteral("application/x-fillpack-file-drop");

QStringList fileDropFormats() { return {fileDropMimeType, uriListType, gnomeCopiedType, kdeCutType, plainTextType}; }

QByteArray fileDropBlock(const QStringList& paths) {
  QByteArray block(headerSize, '\0');
  qToLittleEndian<quint32>(headerSize, block.data());
  for (const QString& path : paths) {
    platform::appendFileName(block, path);
    block.append('\0');
  }
  block.append('\0');
  return block;
}

QByteArray fileUri(const QString& path) {
  return QByteArrayLiteral("file://") + platform::encodeFileName(path).toPercentEncoding("/");
}

std::unique_ptr<QMimeData> fileDropData(const QStringList& paths) {
  QByteArrayList uris, names;
  uris.reserve(paths.size());
  names.reserve(paths.size());
  for (const QString& path : paths) {
    uris.append(fileUri(path));
    names.append(platform::encodeFileName(path));
  }
  auto data = std::make_unique<QMimeData>();
  data->setData(fileDropMimeType, fileDropBlock(paths));
  // The uri-list format ends every line with CR LF; the GNOME one joins its lines with LF
  // and has no line break after the last.
  QByteArray uriList;
  for (const QByteArray& uri : uris) uriList += uri + "\r\n";
  data->setData(uriListType, uriList);
  data->setData(gnomeCopiedType, QByteArrayLiteral("copy\n") + uris.join('\n'));
  data->setData(kdeCutType, QByteArrayLiteral("0"));
  data->setData(plainTextType, names.join('\n'));
  return data;
}

}  // namespace output
