// The instructions window: one read-only text.
#pragma once

#include <QWidget>
#include <functional>

#include "catalogue/Form.h"

namespace windows {

class FormBinding;

class HelpWindow final : public QWidget {
  Q_OBJECT
 public:
  HelpWindow(QWidget& owner, const std::function<void(catalogue::Form&)>& applyLanguage);

  // Puts the text into the window's text box.
  void setInstructions(const QString& text);
  QWidget* control(catalogue::ControlId id) const;

 private:
  catalogue::Form form_;
  FormBinding* binding_;  // owned by this window
};

}  // namespace windows
