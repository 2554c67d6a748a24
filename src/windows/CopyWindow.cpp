// A child dialog of the main window: the window manager keeps it above its owner, and it
// is hidden, never deleted, when the user is done with it.
#include "windows/CopyWindow.h"

#include "shell/SecondaryFormControls.h"
#include "windows/FormBinding.h"

namespace windows {

CopyWindow::CopyWindow(QWidget& owner, shell::CopyForm& state) : QDialog(&owner), state_(state) {
  setObjectName(QLatin1String(shell::copyform::frmCopy.name));
  setModal(true);
  using E = FormEvent;
  binding_ = new FormBinding(state_.form(), *this, nullptr, [](const QString&) { return ListSource{}; });
  binding_->route({
      {shell::copyform::cmdOK, E::Click,
       [this](const EventArgs&) {
         state_.cmdOK_Click();
         accept();
       }},
      {shell::copyform::cmdCancel, E::Click,
       [this](const EventArgs&) {
         state_.cmdCancel_Click();
         QDialog::reject();
       }},
      {shell::copyform::cmdBrowse, E::Click,
       [this](const EventArgs&) {
         state_.cmdBrowse_Click();
         binding_->apply();
       }},
  });
  binding_->apply();
}

QWidget* CopyWindow::control(catalogue::ControlId id) const { return binding_->widget(id); }

void CopyWindow::showBesideOwner() {
  const QWidget* owner = parentWidget();
  state_.placeBeside(QPoint(binding_->twips(owner->x()), binding_->twips(owner->y())));
  binding_->apply();
  show();
  raise();
  activateWindow();
}

void CopyWindow::reject() {
  state_.Form_QueryUnload();
  QDialog::reject();
}

void QtCopyDialog::show(shell::CopyForm& form) {
  if (!owner_) return;
  if (window_ && &window_->state() != &form) delete window_.data();
  if (!window_) window_ = new CopyWindow(*owner_, form);
  window_->showBesideOwner();
  window_->exec();
}

}  // namespace windows
