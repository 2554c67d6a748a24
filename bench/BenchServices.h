// The desktop of a benchmark driver: messages on stderr, no registry keys, and the
// platform's stand-ins for everything the measured commands do not use.
#pragma once

#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/FolderPicker.h"
#include "platform/IconProvider.h"
#include "platform/Messages.h"
#include "platform/OpticalDrives.h"
#include "platform/ProcessStart.h"
#include "platform/QtEventPump.h"
#include "platform/Trash.h"
#include "shell/MainForm.h"

namespace bench {

// A registry with no keys: every type is described from its extension.
class EmptyRegistry final : public platform::ValueStore {
 public:
  std::unique_ptr<platform::RegistryKey> open(platform::RootKey, const QString&) const override { return nullptr; }
};

// Lives as long as the window made from it.
struct BenchServices {
  shell::Services services(platform::Messages& messages, const shell::CopyDesktop& copy = {}) {
    return {messages, picker,    pump,      registry,  icons,     dialogs, trash,
            drives,   clipboard, processes, QString(), QString(), copy};
  }

  platform::CancellingFolderPicker picker;
  platform::QtEventPump pump;
  EmptyRegistry registry;
  platform::NoIcons icons;
  platform::CancellingFileDialogs dialogs;
  platform::NoTrash trash;
  platform::NoOpticalDrives drives;
  platform::NoClipboard clipboard;
  platform::NoProcessStart processes;
};

}  // namespace bench
