// The copy dialog's state: its records, the target folder and cancelled flag it hands to
// the Copy command, and the handlers of its buttons. Made on first use and kept for the
// run, so the folder box keeps the last confirmed folder.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/Form.h"
#include "platform/FolderPicker.h"
#include "platform/SettingsStore.h"
#include "shell/SecondaryFormControls.h"

namespace shell {

class CopyForm {
 public:
  // Loads the form: the language pack through `applyLanguage`, then "Last Folder"
  // (default `programFolder`) and "Sound" (default on) from `settings`, if any.
  CopyForm(platform::SettingsStore* settings, const QString& programFolder, platform::FolderPicker& picker,
           const std::function<void(catalogue::Form&)>& applyLanguage);

  catalogue::Form& form() { return form_; }
  const catalogue::Form& form() const { return form_; }

  void cmdOK_Click();
  void cmdCancel_Click();
  void cmdBrowse_Click();
  // Each time the dialog is shown: its corner 3000 twips right of and below `ownerCorner`
  // (the main window's corner, in twips).
  void placeBeside(const QPoint& ownerCorner);
  // The window's close box.
  void Form_QueryUnload() { cancelled = true; }

  bool soundWanted() const { return form_.find(copyform::chkSound)->value != 0; }

  QString target;         // the copy target folder, set by OK; the Copy command adds the trailing "/"
  bool cancelled = true;  // set by Cancel and the close box, cleared by OK

 private:
  catalogue::Form form_;
  platform::SettingsStore* settings_;
  platform::FolderPicker& picker_;
};

}  // namespace shell
