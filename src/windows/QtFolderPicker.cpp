// Folders only; the dialog opens on the folder the box names.
#include "windows/QtFolderPicker.h"

#include <QFileDialog>

namespace windows {

QString QtFolderPicker::browseForFolder(const QString& prompt, const QString& startFolder) {
  return QFileDialog::getExistingDirectory(parent_.data(), prompt, startFolder, QFileDialog::ShowDirsOnly);
}

}  // namespace windows
