// The copy dialog: its widgets made by the binding from the copy form's records, shown
// modally above the main window, and only hidden between copies so that it keeps its
// state for the run.
#pragma once

#include <QDialog>
#include <QPointer>

#include "shell/CopyDialog.h"
#include "shell/CopyForm.h"

namespace windows {

class FormBinding;

class CopyWindow final : public QDialog {
  Q_OBJECT
 public:
  CopyWindow(QWidget& owner, shell::CopyForm& state);

  shell::CopyForm& state() { return state_; }
  QWidget* control(catalogue::ControlId id) const;
  // Places the window beside its owner's corner and shows it without waiting.
  void showBesideOwner();

 protected:
  // The close box and Escape cancel, as the Cancel button does.
  void reject() override;

 private:
  shell::CopyForm& state_;
  FormBinding* binding_;  // owned by this window
};

// The Qt side of the Copy command: the copy window, made at its first use over `owner`.
class QtCopyDialog final : public shell::CopyDialog {
 public:
  void setOwner(QWidget* owner) { owner_ = owner; }
  void show(shell::CopyForm& form) override;

 private:
  QWidget* owner_ = nullptr;
  QPointer<CopyWindow> window_;  // owned by `owner_`
};

}  // namespace windows
