// Only drops that carry local files are taken; plain text still reaches the box.
//
// A file manager sends a name that is not valid UTF-8 percent-encoded byte by byte
// ("%FF"); QUrl::toLocalFile() would read those bytes as UTF-8 and name another file, so
// the path is taken from the URL's own percent-encoded bytes.
#include "windows/FolderDropFilter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/FileNames.h"

namespace windows {

namespace {

QString localPath(const QUrl& url) {
  // A file on another host keeps the form Qt gives it ("//host/path").
  if (!url.host().isEmpty() && url.host() != QStringLiteral("localhost")) return url.toLocalFile();
  return platform::decodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QStringList localPaths(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.append(localPath(url));
  return paths;
}

}  // namespace

bool FolderDropFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (localPaths(drag->mimeData()).isEmpty()) break;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QStringList paths = localPaths(drop->mimeData());
      if (paths.isEmpty()) break;
      drop->acceptProposedAction();
      handler_(paths);
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace windows
