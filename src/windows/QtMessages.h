// Message boxes and questions as modal Qt dialogs; every question defaults to No.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Messages.h"

namespace windows {

class QtMessages final : public platform::Messages {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  void show(const QString& title, const QString& text, platform::MessageIcon icon) override;
  bool ask(const QString& title, const QString& text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace windows
