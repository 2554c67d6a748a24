// The services of a main window under test: the scripted fakes every test talks to, and
// the platform's stand-ins for whatever a test does not hand in by name.
#pragma once

#include <type_traits>

#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/IconProvider.h"
#include "platform/OpticalDrives.h"
#include "platform/ProcessStart.h"
#include "platform/Trash.h"
#include "shell/MainForm.h"
#include "support/Fakes.h"

namespace testing_support {

// What a test swaps in, by name: services({.trash = &trash, .dataFolder = folder}).
struct GivenServices {
  platform::IconProvider* icons = nullptr;
  platform::FileDialogs* fileDialogs = nullptr;
  platform::Trash* trash = nullptr;
  const platform::OpticalDrives* drives = nullptr;
  platform::Clipboard* clipboard = nullptr;
  platform::ProcessStart* processes = nullptr;
  QString programFolder = {}, dataFolder = {};
  shell::CopyDesktop copy = {};
};

// The fakes live as long as the window made from them.
struct TestServices {
  shell::Services services(const GivenServices& g = {}) {
    return {messages, picker, pump, registry, either(g.icons, noIcons), either(g.fileDialogs, noDialogs),
            either(g.trash, noTrash), either(g.drives, noDrives), either(g.clipboard, noClipboard),
            either(g.processes, noProcesses), g.programFolder, g.dataFolder, g.copy};
  }
  template <class T>
  static T& either(T* given, std::type_identity_t<T>& none) { return given ? *given : none; }

  ScriptedPump pump;
  RecordingMessages messages;
  ScriptedPicker picker;
  TestValueStore registry;
  platform::NoIcons noIcons;
  platform::CancellingFileDialogs noDialogs;
  platform::NoTrash noTrash;
  platform::NoOpticalDrives noDrives;
  platform::NoClipboard noClipboard;
  platform::NoProcessStart noProcesses;
};

}  // namespace testing_support
