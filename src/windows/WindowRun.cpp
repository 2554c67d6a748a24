// The Qt services are made here and handed to the window state; the command line runs
// before the window is shown, as the program always did.
#include "windows/WindowRun.h"

#include <QApplication>

#include "platform/MimeValueStore.h"
#include "platform/QtEventPump.h"
#include "platform/ThemeIconProvider.h"
#include "shell/CommandLine.h"
#include "shell/MainForm.h"
#include "platform/OpticalDrives.h"
#include "platform/Trash.h"
#include "windows/MainWindow.h"
#include "windows/QtFileDialogs.h"
#include "windows/QtFolderPicker.h"
#include "windows/QtMessages.h"

namespace windows {

int runWindow(const QString& commandLine, const QString& programFolder) {
  QtMessages messages;
  QtFolderPicker picker;
  platform::QtEventPump pump;
  platform::MimeValueStore registry;
  platform::ThemeIconProvider icons;
  QtFileDialogs dialogs;
  platform::FreedesktopTrash trash;
  platform::LinuxOpticalDrives drives;
  shell::MainForm state(
      shell::Services{messages, picker, pump, registry, &icons, programFolder, &dialogs, &trash, &drives});
  MainWindow window(state, &icons);
  messages.setParent(&window);
  picker.setParent(&window);
  dialogs.setParent(&window);
  pump.setBeforeEvents([&window] { window.syncFromState(); });
  shell::processcommandline(commandLine, state);
  state.CDROM_Load();
  window.syncFromState();
  window.show();
  return QApplication::exec();
}

}  // namespace windows
