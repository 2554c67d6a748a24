// SIGINT and SIGTERM as a request the program answers in its own time: a long run stops as
// the Stop command would, so no half-written file is left behind, and the program ends
// with the usual status. A second signal while the first is still being answered ends the
// process at once, for a user who does not want to wait.
#pragma once

#include <signal.h>

namespace platform {

class StopSignals {
 public:
  // Catches SIGINT and SIGTERM until destroyed; only one may exist at a time.
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The number of the signal that came, 0 while none has.
  int received() const;
  // Readable once a signal has come, for an event loop to watch.
  int descriptor() const;
  // Empties the descriptor again, so a watcher is not woken twice for one signal.
  void drain();
  // The exit status of a run that a signal ended: 128 + the signal's number.
  int exitStatus() const { return 128 + received(); }
};

// While one lives, SIGINT and SIGTERM wait in the calling thread: a step that must not be cut
// in two by a signal that ends the process at once runs inside one.
class StopSignalsHeld {
 public:
  StopSignalsHeld();
  ~StopSignalsHeld();
  StopSignalsHeld(const StopSignalsHeld&) = delete;
  StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

// Makes SIGINT and SIGTERM wait in the calling thread and in the threads it starts from now
// on. Called before any other thread is started, it leaves the signals to the thread that
// makes the StopSignals, which takes them again.
void holdStopSignalsForOtherThreads();

}  // namespace platform
