// The Qt services are made here and handed to the window state; the command line runs
// before the window is shown, as the program always did. SIGINT and SIGTERM close the
// window as the user closing it would, also while a command runs or before it is shown.
#include "windows/WindowRun.h"

#include <QApplication>

#include "platform/Clipboard.h"
#include "platform/DataFolder.h"
#include "platform/IniSettingsStore.h"
#include "platform/MimeValueStore.h"
#include "platform/OpticalDrives.h"
#include "platform/ProcessStart.h"
#include "platform/QtEventPump.h"
#include "platform/StopSignals.h"
#include "platform/ThemeIconProvider.h"
#include "platform/Trash.h"
#include "shell/MainForm.h"
#include "windows/CopyWindow.h"
#include "windows/MainWindow.h"
#include "windows/QtBusyCursor.h"
#include "windows/QtFileDialogs.h"
#include "windows/QtFolderPicker.h"
#include "windows/QtMessages.h"
#include "windows/QtSound.h"
#include "windows/SignalClose.h"

namespace windows {

int runWindow(const QStringList& arguments, const QString& programFolder) {
  platform::StopSignals signals;
  QtMessages messages;
  QtFolderPicker picker;
  platform::QtEventPump pump;
  platform::MimeValueStore registry;
  platform::ThemeIconProvider icons;
  QtFileDialogs dialogs;
  platform::FreedesktopTrash trash;
  platform::LinuxOpticalDrives drives;
  platform::IniSettingsStore settings;
  QtCopyDialog copyDialog;
  QtSound sound;
  QtBusyCursor busy;
  platform::QtClipboard clipboard;
  platform::PosixProcessStart processes;
  shell::MainForm state(shell::Services{messages, picker, pump, registry, &icons, programFolder, &dialogs, &trash,
                                        &drives, platform::dataFolder(programFolder),
                                        shell::CopyDesktop{&copyDialog, &sound, &busy, &settings}, &clipboard,
                                        &processes});
  MainWindow window(state, &icons);
  messages.setParent(&window);
  messages.setEnding([&state] { return state.run().closing; });
  picker.setParent(&window);
  dialogs.setParent(&window);
  copyDialog.setOwner(&window);
  pump.setBeforeEvents([&window] { window.syncFromState(); });
  closeOnStopSignal(signals, window);

  state.Form_Load(arguments, &settings);
  // Closed before it was ever shown (during the command line): nothing is written, the
  // stored settings stay as they were.
  if (state.run().closing) return 0;
  window.syncFromState();
  window.show();
  const int status = QApplication::exec();
  state.Form_Unload(&settings);
  return status;
}

}  // namespace windows
