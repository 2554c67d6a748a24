// Fillpack's entry point: the window when a display is there, the headless run when it is
// asked for with --headless or when there is no display to show a window on; --help and
// --version print and end before either starts, so they need no display.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/FileNames.h"
#include "platform/StopSignals.h"
#include "shell/Headless.h"
#include "shell/StartOptions.h"
#include "windows/WindowRun.h"

namespace {

bool displayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Qt's own threads, started with the application, must never take a stop signal: only
  // this thread answers them, and it takes them again once it catches them.
  platform::holdStopSignalsForOtherThreads();
  // Arguments are decoded as file names are, so a folder whose name is not valid UTF-8
  // still reaches the command line intact. Each stays one token, as the shell split them.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(platform::decodeFileName(argv[i], qsizetype(std::strlen(argv[i]))));
  const shell::StartOptions options = shell::readStartOptions(arguments);
  if (!options.printout.isEmpty()) {
    const QByteArray text = options.printout.toUtf8();
    const bool written = std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
  }
  bool headless = options.headless;
  if (!headless && !displayAvailable()) {
    std::fputs("fillpack: no display found, running headless (as with --headless)\n", stderr);
    headless = true;
  }
  if (headless) {
    QCoreApplication app(argc, argv);
    return shell::runHeadless(options.switches, QCoreApplication::applicationDirPath());
  }
  QApplication app(argc, argv);
  // The desktop matches the window to the installed desktop entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(FILLPACK_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" FILLPACK_APP_ID ".svg")));
  return windows::runWindow(options.switches, QCoreApplication::applicationDirPath());
}
