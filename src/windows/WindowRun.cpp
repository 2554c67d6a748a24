// The Qt services are made here and handed to the window state; the command line runs
// before the window is shown, as the program always did. SIGINT and SIGTERM close the
// window as the user closing it would, also while a command runs, a dialog waits for an
// answer or before it is shown (it then never shows).
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
#include "windows/QtTranslation.h"
#include "windows/SignalClose.h"

namespace windows {

namespace {

// The settings as start-up reads them, telling whether it got that far: a window closed
// before its settings were read has nothing of the user's to write back.
class ReadSettings final : public platform::SettingsStore {
 public:
  explicit ReadSettings(const platform::SettingsStore& store) : store_(store) {}
  QString read(const QString& application, const QString& section, const QString& key,
               const QString& defaultText) const override {
    read_ = true;
    return store_.read(application, section, key, defaultText);
  }
  bool write(const QString&, const QString&, const QString&, const QString&) override { return false; }
  bool wasRead() const { return read_; }

 private:
  const platform::SettingsStore& store_;
  mutable bool read_ = false;
};

}  // namespace

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
  QtTranslation translation;
  shell::MainForm state(shell::Services{messages, picker, pump, registry, icons, dialogs, trash, drives, clipboard,
                                        processes, programFolder, platform::dataFolder(programFolder),
                                        shell::CopyDesktop{&copyDialog, &sound, &busy, &settings}, true,
                                        [&translation](const QString& locale) { translation.follow(locale); }});
  MainWindow window(state, &icons);
  messages.setParent(&window);
  // A signal not yet answered counts: no dialog opens to wait for an answer after it.
  messages.setEnding([&state, &signals] { return state.run().closing || signals.received() != 0; });
  picker.setParent(&window);
  dialogs.setParent(&window);
  copyDialog.setOwner(&window);
  pump.setBeforeEvents([&window] { window.followState(); });
  closeOnStopSignal(signals, window);

  ReadSettings startUp(settings);
  state.Form_Load(arguments, &startUp);
  int status = 0;
  // A window closed, or a signal come, during start-up is never shown.
  if (!state.run().closing && signals.received() == 0) {
    window.syncFromState();
    window.show();
    status = QApplication::exec();
  }
  if (startUp.wasRead()) state.Form_Unload(&settings);
  return status;
}

}  // namespace windows
