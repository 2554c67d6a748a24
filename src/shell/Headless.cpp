// Headless runs keep no settings and draw no icons.
#include "shell/Headless.h"

#include <cstdio>

#include "platform/FileDialogs.h"
#include "platform/FolderPicker.h"
#include "platform/Messages.h"
#include "platform/MimeValueStore.h"
#include "platform/OpticalDrives.h"
#include "platform/Trash.h"
#include "shell/CommandLine.h"
#include "shell/MainForm.h"
#include "shell/StateDump.h"

namespace shell {

int runHeadless(const QString& commandLine, const QString& programFolder) {
  platform::StderrMessages messages;
  platform::CancellingFolderPicker picker;
  platform::NullPump pump;
  platform::MimeValueStore registry;
  platform::CancellingFileDialogs dialogs;
  platform::FreedesktopTrash trash;
  platform::LinuxOpticalDrives drives;
  MainForm window(Services{messages, picker, pump, registry, nullptr, programFolder, &dialogs, &trash, &drives});
  processcommandline(commandLine, window);
  window.CDROM_Load();
  window.flushLabels();
  bool written = true;
  writeState(window, [&written](const QByteArray& piece) {
    written = written && std::fwrite(piece.constData(), 1, size_t(piece.size()), stdout) == size_t(piece.size());
  });
  return !written || std::fflush(stdout) != 0 ? 1 : window.run().listWriteFailed ? 2 : 0;
}

}  // namespace shell
