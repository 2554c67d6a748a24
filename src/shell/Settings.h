// The user's choices in the main window, read once at start-up and written once when the
// window closes. Each value stands alone: one that cannot be read, converted or written
// is skipped and the others still are.
#pragma once

#include <QRect>
#include <functional>

#include "catalogue/Form.h"
#include "catalogue/ProgramTitle.h"
#include "platform/SettingsStore.h"

namespace shell {

// Where the main window and the copy dialog keep their values in the settings store.
inline const QString settingsApplication = catalogue::programTitle;
inline const QString mainSection = QStringLiteral("Main");

// What the restore and the save need besides the records.
struct SettingsHooks {
  // The limit in bytes follows the restored limit text.
  std::function<void()> txtlimit_Change;
  // The window in its normal state (twips): read while it is maximised or minimised too.
  QRect* normalGeometry = nullptr;
  // The default folder of the folder box.
  QString programFolder;
};

void restoreSettings(catalogue::Form& form, const platform::SettingsStore& store, const SettingsHooks& hooks);
// Writes every setting in its order and then puts them into lasting storage; a save that
// fails is told on standard error.
void saveSettings(catalogue::Form& form, platform::SettingsStore& store, const SettingsHooks& hooks);

}  // namespace shell
