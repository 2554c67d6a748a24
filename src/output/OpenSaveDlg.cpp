// The filter pair "Text File (*.txt)" and "*.txt" becomes the one string a Qt dialog takes.
#include "output/OpenSaveDlg.h"

#include <QDir>
#include <QFileInfo>

#include "platform/MessageTexts.h"

namespace output {

OpenSaveDlg::Record OpenSaveDlg::record(const QString& filter, const QString& title, const QString& initialFolder) {
  QString pair = filter;
  pair.replace(u'|', QChar(0));
  const QStringList parts = pair.split(QChar(0), Qt::SkipEmptyParts);
  return {parts.value(0), title, initialFolder.isEmpty() ? QDir::currentPath() : initialFolder};
}

void OpenSaveDlg::InitSaveDialog(const QString& filter, const QString& title, const QString& initialFolder) {
  save_ = record(filter, title, initialFolder);
}

void OpenSaveDlg::RetitleSaveDialog(const QString& filter, const QString& title) {
  save_ = record(filter, title, save_.start);
}

void OpenSaveDlg::InitOpenDialog(const QString& filter, const QString& title, const QString& initialFolder) {
  open_ = record(filter, title, initialFolder);
}

QString OpenSaveDlg::ShowSave(const QString& defaultExtension) {
  QString path = dialogs_.saveFileName(save_.title, save_.start, save_.filter).trimmed();
  if (path.isEmpty()) return {};
  save_.start = path;
  if (!path.contains(u'.')) path += u'.' + defaultExtension;
  if (QFileInfo::exists(path) &&
      !messages_.ask(platform::text(platform::Msg::FileExistsTitle),
                     platform::text(platform::Msg::OverwriteQuestion) + QStringLiteral("\r\n") + path))
    return {};
  return path;
}

QString OpenSaveDlg::ShowOpen() {
  QString path = dialogs_.openFileName(open_.title, open_.start, open_.filter).trimmed();
  return path.remove(QChar(0));
}

}  // namespace output
