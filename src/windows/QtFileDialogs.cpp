// The program asks about overwriting itself, so the dialog must not.
#include "windows/QtFileDialogs.h"

#include <QFileDialog>

namespace windows {

QString QtFileDialogs::saveFileName(const QString& title, const QString& startPath, const QString& filter) {
  return QFileDialog::getSaveFileName(parent_.data(), title, startPath, filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

QString QtFileDialogs::openFileName(const QString& title, const QString& startFolder, const QString& filter) {
  return QFileDialog::getOpenFileName(parent_.data(), title, startFolder, filter);
}

}  // namespace windows
