// Headless runs read and write no settings and draw no icons. A stop signal is answered at the next
// point where a long command looks for events: the command stops as it would on the Stop
// button, and the command line ends there.
#include "shell/Headless.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/Clipboard.h"
#include "platform/DataFolder.h"
#include "platform/EventPump.h"
#include "platform/FileDialogs.h"
#include "platform/FolderPicker.h"
#include "platform/IconProvider.h"
#include "platform/Messages.h"
#include "platform/MimeValueStore.h"
#include "platform/OpticalDrives.h"
#include "platform/ProcessStart.h"
#include "platform/StopSignals.h"
#include "platform/Trash.h"
#include "shell/MainForm.h"
#include "shell/StateDump.h"

namespace shell {

namespace {

// No events to process; only the stop signals to look at.
class SignalPump final : public platform::EventPump {
 public:
  explicit SignalPump(const platform::StopSignals& signals) : signals_(signals) {}
  void pump() override {
    if (answered_ || !signals_.received()) return;
    answered_ = true;
    if (onSignal) onSignal();
  }
  std::function<void()> onSignal;

 private:
  const platform::StopSignals& signals_;
  bool answered_ = false;
};

}  // namespace

int runHeadless(const QStringList& arguments, const QString& programFolder) {
  platform::StopSignals signals;
  platform::StderrMessages messages;
  platform::CancellingFolderPicker picker;
  SignalPump pump(signals);
  platform::MimeValueStore registry;
  platform::CancellingFileDialogs dialogs;
  platform::FreedesktopTrash trash;
  platform::LinuxOpticalDrives drives;
  platform::NoIcons icons;
  platform::NoClipboard clipboard;
  platform::NoProcessStart processes;
  MainForm window(Services{messages, picker, pump, registry, icons, dialogs, trash, drives, clipboard, processes,
                           programFolder, platform::dataFolder(programFolder)});
  pump.onSignal = [&window] {
    window.run().closing = true;
    window.cmdstop_Click();
  };
  window.Form_Load(arguments, nullptr);
  if (signals.received()) return signals.exitStatus();
  bool written = true;
  writeState(window, [&written](const QByteArray& piece) {
    written = written && std::fwrite(piece.constData(), 1, size_t(piece.size()), stdout) == size_t(piece.size());
  });
  const int status = !written || std::fflush(stdout) != 0 ? 1 : window.run().listWriteFailed ? 2 : 0;
#ifdef FILLPACK_QUICK_EXIT
  // Everything is written and flushed, and the lists only need to be freed: a million rows
  // take longer to free one by one than the process takes to end. The sanitizer builds
  // still free them, so their leak check sees every run.
  std::_Exit(status);
#endif
  return status;
}

}  // namespace shell
