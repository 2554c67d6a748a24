// The two settings live beside the main window's, in its section.
#include "shell/CopyForm.h"

#include "platform/MessageTexts.h"
#include "shell/SecondaryFormControls.h"
#include "shell/Settings.h"

namespace shell {

namespace {

const QString& application = settingsApplication;
const QString& section = mainSection;
const QString lastFolderKey = QStringLiteral("Last Folder");
const QString soundKey = QStringLiteral("Sound");

}  // namespace

CopyForm::CopyForm(platform::SettingsStore* settings, const QString& programFolder, platform::FolderPicker& picker,
                   const std::function<void(catalogue::Form&)>& applyLanguage)
    : form_(copyFormControls()), settings_(settings), picker_(picker) {
  if (applyLanguage) applyLanguage(form_);
  QString folder = programFolder;
  QString sound = QStringLiteral("1");
  if (settings_) {
    folder = settings_->read(application, section, lastFolderKey, folder);
    sound = settings_->read(application, section, soundKey, sound);
  }
  form_(copyform::txtPath).text = folder;
  // Anything but a stored 0 leaves the option on, as a damaged value should not silence it.
  bool number = false;
  const int stored = sound.trimmed().toInt(&number);
  form_(copyform::chkSound).value = number && stored == 0 ? 0 : 1;
}

void CopyForm::cmdOK_Click() {
  const QString folder = form_.text(copyform::txtPath);
  if (settings_) {
    settings_->write(application, section, lastFolderKey, folder);
    settings_->write(application, section, soundKey, soundWanted() ? QStringLiteral("1") : QStringLiteral("0"));
    // Saved now, as OK promises; a save that fails here is tried again, and told, at the close.
    settings_->flush();
  }
  cancelled = false;
  target = folder;
}

void CopyForm::cmdCancel_Click() { cancelled = true; }

void CopyForm::placeBeside(const QPoint& ownerCorner) {
  form_(copyform::frmCopy).geometry.moveTopLeft(ownerCorner + QPoint(3000, 3000));
}

void CopyForm::cmdBrowse_Click() {
  catalogue::Control& path = form_(copyform::txtPath);
  if (path.text.isEmpty()) path.text = QStringLiteral("/");
  QString chosen = picker_.browseForFolder(platform::text(platform::Msg::SelectImageFolder), path.text);
  if (chosen.isEmpty()) return;
  if (!chosen.endsWith(u'/')) chosen += u'/';
  path.text = chosen;
}

}  // namespace shell
