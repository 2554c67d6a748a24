// What the Copy command needs of the desktop: the dialog that asks for the target folder,
// the busy pointer, the completion sound and the settings store the dialog keeps its two
// values in. A run without a dialog (headless) has no Copy command.
#pragma once

#include "platform/BusyCursor.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"

namespace shell {

class CopyForm;

class CopyDialog {
 public:
  virtual ~CopyDialog() = default;
  // Shows the dialog of `form` modally; returns once it is hidden again (by OK, Cancel or
  // its close box), the form's records and flags telling what the user chose.
  virtual void show(CopyForm& form) = 0;
};

struct CopyDesktop {
  CopyDialog* dialog = nullptr;                // none: the Copy command does nothing
  platform::Sound* sound = nullptr;            // none: silence
  platform::BusyCursor* busy = nullptr;        // none: the pointer stays as it is
  platform::SettingsStore* settings = nullptr; // none: defaults, nothing kept
};

}  // namespace shell
