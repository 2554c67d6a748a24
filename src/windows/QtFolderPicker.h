// The folder picker as a Qt folder dialog.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/FolderPicker.h"

namespace windows {

class QtFolderPicker final : public platform::FolderPicker {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  QString browseForFolder(const QString& prompt, const QString& startFolder) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace windows
