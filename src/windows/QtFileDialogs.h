// The list-file dialogs as Qt file dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/FileDialogs.h"

namespace windows {

class QtFileDialogs final : public platform::FileDialogs {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  QString saveFileName(const QString& title, const QString& startPath, const QString& filter) override;
  QString openFileName(const QString& title, const QString& startFolder, const QString& filter) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace windows
