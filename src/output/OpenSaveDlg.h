// The save and open dialogs of list files. The save dialog remembers the last chosen
// path for the whole run; the open dialog starts afresh every time.
#pragma once

#include <QString>

#include "platform/FileDialogs.h"
#include "platform/Messages.h"

namespace output {

class OpenSaveDlg {
 public:
  OpenSaveDlg(platform::FileDialogs& dialogs, platform::Messages& messages) : dialogs_(dialogs), messages_(messages) {}

  // A filter written "description|pattern" or with NUL separators.
  void InitSaveDialog(const QString& filter, const QString& title, const QString& initialFolder);
  void InitOpenDialog(const QString& filter, const QString& title, const QString& initialFolder);
  // New words for the save dialog (another language); where it starts stays.
  void RetitleSaveDialog(const QString& filter, const QString& title);

  // The chosen path with `defaultExtension` added when it holds no "." at all; empty when
  // cancelled or when overwriting an existing file was declined.
  QString ShowSave(const QString& defaultExtension);
  QString ShowOpen();

 private:
  struct Record {
    QString filter;  // "Text File (*.txt)"
    QString title;
    QString start;   // folder, or the last chosen path
  };
  static Record record(const QString& filter, const QString& title, const QString& initialFolder);

  platform::FileDialogs& dialogs_;
  platform::Messages& messages_;
  Record save_, open_;
};

}  // namespace output
