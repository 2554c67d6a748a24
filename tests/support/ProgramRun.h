// The real program started from a test: headless, in a chosen folder, locale and user, with
// its exit code, standard error and printed state read back.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

// Every member has an initializer, so that a test names only the settings it changes.
struct RunSettings {
  QString folder{};                            // the working folder; the test's own when empty
  bool asNobody = false;                       // as user and group 65534, through setpriv
  QString locale = QStringLiteral("C.UTF-8");  // LC_ALL: system reasons read in English
  QString standardOutput{};                    // a file to write it to; read back when empty
  bool headless = true;                        // false: the window, on the offscreen platform
  bool display = true;                         // false: no display and no platform at all, as on
                                               // a text console
  QString configHome{};                        // XDG_CONFIG_HOME of the run; the test's own when empty
  bool stopSignalsBlocked = false;             // starts with SIGINT and SIGTERM blocked, so one sent
                                               // at once waits for the program's handler
  QString program{};                           // another copy of the program (with a data folder of
                                               // its own beside it); the one built when empty
};

// The state's lines by section ("[lstmain]" -> its lines), as raw bytes: names that are not
// valid UTF-8 come out unchanged.
using StateSections = QMap<QByteArray, QList<QByteArray>>;

struct RunResult {
  int exitCode = -1;  // -1: it did not end normally within a minute
  QByteArray err;
  QByteArray out;  // standard output, unless it went to a file
  StateSections sections;

  // The lines of `section`, decoded from UTF-8.
  QStringList lines(const QByteArray& section) const;
  // The text of label `name` as written (escapes kept); null when the label is not there.
  QString label(const QByteArray& name) const;
};

// A started run, for a test that acts on the process before it ends, such as sending it a signal.
class ProgramRun {
 public:
  explicit ProgramRun(const QStringList& switches, const RunSettings& settings = {});
  Q_DISABLE_COPY_MOVE(ProgramRun)

  bool started() { return process_.waitForStarted(60000); }
  qint64 processId() const { return process_.processId(); }
  RunResult finish();

 private:
  QProcess process_;
};

RunResult runProgram(const QStringList& switches, const RunSettings& settings = {});

// Root reads every folder whatever its permissions, so a test of unreadable folders runs the
// program as nobody when it runs as root, and makes its tree reachable for that user.
bool runsAsRoot();
bool canRunAsNobody();

}  // namespace testing_support
