// Run on a real X server by the X11 clipboard test: puts the paths of file IN (NUL-ended
// file-name bytes) in the lower list, runs the clipboard command, and asks xclip, as
// another program would, for the targets offered and for the GNOME paste. The answers go to
// file OUT: the targets, a NUL, the pasted bytes. Events are processed while xclip waits,
// since the data comes from this program for as long as it owns the clipboard.
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include "platform/Clipboard.h"
#include "platform/EventPump.h"
#include "platform/FileNames.h"
#include "shell/MainForm.h"
#include "support/Fakes.h"

namespace {

// xclip's output for `target`; nothing when it fails or takes longer than 15 seconds.
QByteArray paste(const QString& target) {
  QProcess xclip;
  QEventLoop loop;
  QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&xclip, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
  QTimer::singleShot(15000, &loop, &QEventLoop::quit);
  xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                                        target, QStringLiteral("-o")});
  loop.exec();
  if (xclip.state() != QProcess::NotRunning) {
    xclip.kill();
    xclip.waitForFinished();
    return {};
  }
  return xclip.exitCode() == 0 ? xclip.readAllStandardOutput() : QByteArray();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (!in.open(QIODevice::ReadOnly)) return 2;
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPicker picker;
  platform::NullPump pump;
  testing_support::TestValueStore registry;
  platform::QtClipboard clipboard;
  shell::Services services{messages, picker, pump, registry, nullptr, QString()};
  services.clipboard = &clipboard;
  shell::MainForm window(services);
  for (const QByteArray& path : in.readAll().split('\0'))
    if (!path.isEmpty()) window.catalogue().lstsec().append(catalogue::FileEntry{platform::decodeFileName(path), {}, {}, {}});
  window.Timer_Timer();
  window.cmdClipBoard_Click();
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly)) return 2;
  out.write(paste(QStringLiteral("TARGETS")) + '\0' + paste(QStringLiteral("x-special/gnome-copied-files")));
  return 0;
}
