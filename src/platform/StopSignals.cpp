// The handler only records the signal and writes one byte to a pipe: nothing else is safe
// inside a signal handler. The byte wakes an event loop; a loop without one polls received().
#include "platform/StopSignals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/FileWrite.h"

namespace platform {

namespace {

volatile std::sig_atomic_t caught = 0;
int pipeEnds[2] = {-1, -1};
struct sigaction previousInt {}, previousTerm {};

sigset_t stopSignals() {
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  return stops;
}

void onSignal(int number) {
  if (caught != 0) {
    // Asked twice: the default action, which ends the process now, but not before the
    // temporary file being written is gone.
    removeNewestTemporary();
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigaction(number, &fallback, nullptr);
    ::raise(number);
    return;
  }
  caught = number;
  const char byte = 1;
  const int savedErrno = errno;
  [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

StopSignals::StopSignals() {
  caught = 0;
  if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) pipeEnds[0] = pipeEnds[1] = -1;
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  // Interrupted system calls are restarted: the program's own loops look at the request.
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, &previousInt);
  ::sigaction(SIGTERM, &action, &previousTerm);
  // A program started with these signals blocked would never see them; one sent before
  // the handler was in place arrives now.
  const sigset_t stops = stopSignals();
  ::pthread_sigmask(SIG_UNBLOCK, &stops, nullptr);
}

StopSignals::~StopSignals() {
  ::sigaction(SIGINT, &previousInt, nullptr);
  ::sigaction(SIGTERM, &previousTerm, nullptr);
  for (int& end : pipeEnds) {
    if (end >= 0) ::close(end);
    end = -1;
  }
  caught = 0;
}

int StopSignals::received() const { return caught; }

int StopSignals::descriptor() const { return pipeEnds[0]; }

void StopSignals::drain() {
  char bytes[16];
  while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
  }
}

StopSignalsHeld::StopSignalsHeld() {
  const sigset_t stops = stopSignals();
  ::pthread_sigmask(SIG_BLOCK, &stops, &previous_);
}

StopSignalsHeld::~StopSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

void holdStopSignalsForOtherThreads() {
  const sigset_t stops = stopSignals();
  ::pthread_sigmask(SIG_BLOCK, &stops, nullptr);
}

}  // namespace platform
