// The program's environment is the test's with the language choice and the display
// platform taken out, so that a run reads the same on every machine; only the window needs
// a platform, and it gets the offscreen one.
#include "support/ProgramRun.h"

#include <csignal>

#include <unistd.h>

#include <QStandardPaths>

namespace testing_support {

namespace {

QString setprivPath() { return QStandardPaths::findExecutable(QStringLiteral("setpriv")); }

}  // namespace

QStringList RunResult::lines(const QByteArray& section) const {
  QStringList decoded;
  for (const QByteArray& line : sections.value(section)) decoded.append(QString::fromUtf8(line));
  return decoded;
}

QString RunResult::label(const QByteArray& name) const {
  for (const QByteArray& line : sections.value("[labels]"))
    if (line.startsWith(name + '\t')) return QString::fromUtf8(line.mid(name.size() + 1));
  return {};
}

ProgramRun::ProgramRun(const QStringList& switches, const RunSettings& settings) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("LANGUAGE"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  if (!settings.display)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) env.remove(QLatin1String(name));
  else if (!settings.headless)
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("LC_ALL"), settings.locale);
  if (!settings.configHome.isEmpty()) env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.configHome);
  process_.setProcessEnvironment(env);
  if (settings.stopSignalsBlocked)
    process_.setChildProcessModifier([] {
      sigset_t stops;
      sigemptyset(&stops);
      sigaddset(&stops, SIGINT);
      sigaddset(&stops, SIGTERM);
      ::sigprocmask(SIG_BLOCK, &stops, nullptr);
    });
  if (!settings.folder.isEmpty()) process_.setWorkingDirectory(settings.folder);
  if (!settings.standardOutput.isEmpty()) process_.setStandardOutputFile(settings.standardOutput);
  QString program = settings.program.isEmpty() ? QStringLiteral(FILLPACK_BINARY) : settings.program;
  QStringList arguments = switches;
  if (settings.headless) arguments.prepend(QStringLiteral("--headless"));
  if (settings.asNobody) {
    arguments = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments;
    program = setprivPath();
  }
  process_.start(program, arguments);
}

RunResult ProgramRun::finish() {
  RunResult result;
  const bool ended = process_.waitForFinished(60000) && process_.exitStatus() == QProcess::NormalExit;
  result.err = process_.readAllStandardError();
  if (process_.error() == QProcess::FailedToStart) result.err += process_.errorString().toUtf8();
  if (!ended) return result;
  result.exitCode = process_.exitCode();
  result.out = process_.readAllStandardOutput();
  QByteArray section;  // lines before the first section and empty lines are no records
  for (const QByteArray& line : result.out.split('\n')) {
    if (line.startsWith('['))
      section = line;
    else if (!section.isEmpty() && !line.isEmpty())
      result.sections[section].append(line);
  }
  return result;
}

RunResult runProgram(const QStringList& switches, const RunSettings& settings) {
  return ProgramRun(switches, settings).finish();
}

bool runsAsRoot() { return ::geteuid() == 0; }
bool canRunAsNobody() { return !setprivPath().isEmpty(); }

}  // namespace testing_support
