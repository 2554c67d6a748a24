// Run on an X server by the X11 clipboard test: the paths of file IN (NUL-ended bytes) go
// into the lower list and the clipboard command runs; then xclip asks, as another program
// would, for the targets and for the GNOME paste. File OUT gets the targets, a NUL and the
// paste. Events run while xclip waits: the data comes from this program, its owner.
#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "support/BurnerFakes.h"

namespace {

// What xclip pastes as `target`; nothing when it fails or takes longer than 15 seconds.
QByteArray paste(const QString& xclip, const QString& target) {
  QProcess process;
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(15000, &loop, &QEventLoop::quit);
  process.start(xclip, {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"), target,
                        QStringLiteral("-o")});
  if (process.waitForStarted()) loop.exec();
  process.kill();
  process.waitForFinished();
  return process.exitStatus() == QProcess::NormalExit ? process.readAllStandardOutput() : QByteArray();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QFile in(QString::fromLocal8Bit(argv[argc - 2])), out(QString::fromLocal8Bit(argv[argc - 1]));
  const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
  if (argc != 3 || xclip.isEmpty() || !in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) return 2;
  testing_support::BurnerWindow t;  // no burner on PATH: nothing else starts
  for (const QByteArray& path : in.readAll().split('\0'))
    if (!path.isEmpty()) t.lower({{platform::decodeFileName(path), true}});
  t.window.cmdClipBoard_Click();
  const QByteArray targets = paste(xclip, QStringLiteral("TARGETS"));
  out.write(targets + '\0' + paste(xclip, QStringLiteral("x-special/gnome-copied-files")));
  return 0;
}
