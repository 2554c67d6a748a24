// A program is started by a double fork, so that it is adopted by init and nobody has to
// wait for it; a close-on-exec pipe tells whether the exec itself worked. QProcess would
// turn names that are not valid UTF-8 into other names on the way, so the bytes are made
// here.
#include "platform/ProcessStart.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/FileNames.h"

extern char** environ;

namespace platform {

namespace {

constexpr qint64 pointerBytes = qint64(sizeof(char*));
// The program's path as the kernel keeps it, the auxiliary vector and the stack's own
// alignment come on top of the arguments and the environment.
constexpr qint64 commandLineMargin = 4096;

qint64 argumentBytes(const QByteArray& argument) { return argument.size() + 1 + pointerBytes; }

}  // namespace

bool fitsCommandLine(const QString& program, const QStringList& arguments, qint64 room) {
  qint64 total = argumentBytes(encodeFileName(program)) + pointerBytes;  // argv's closing null
  for (const QString& argument : arguments) {
    const QByteArray bytes = encodeFileName(argument);
    if (bytes.size() + 1 > maxArgumentBytes) return false;
    total += argumentBytes(bytes);
  }
  return total <= room;
}

qint64 PosixProcessStart::commandLineRoom() const {
  qint64 room = ::sysconf(_SC_ARG_MAX) - commandLineMargin - pointerBytes;
  for (char** entry = environ; entry && *entry; ++entry) room -= qint64(qstrlen(*entry)) + 1 + pointerBytes;
  return room;
}

bool PosixProcessStart::startDetached(const QString& program, const QStringList& arguments) {
  // Everything the children need is made before the fork: only async-signal-safe calls
  // may come between fork and exec.
  std::vector<QByteArray> strings{encodeFileName(program)};
  for (const QString& argument : arguments) strings.push_back(encodeFileName(argument));
  std::vector<char*> argv;
  for (QByteArray& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  sigset_t none;
  sigemptyset(&none);

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    const pid_t grandchild = ::fork();
    if (grandchild == 0) {
      // Its own session, so that a Ctrl+C meant for us does not end it; no signal blocked.
      ::setsid();
      ::sigprocmask(SIG_SETMASK, &none, nullptr);
      ::execv(argv[0], argv.data());
    }
    if (grandchild > 0) ::_exit(0);
    const int error = errno;  // the exec or the second fork failed
    [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
    ::_exit(127);
  }
  ::close(report[1]);
  bool started = false;
  if (child > 0) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    // Nothing to read: the exec closed the pipe.
    started = got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  ::close(report[0]);
  return started;
}

}  // namespace platform
