// The flags and counters of the main window that several commands share.
#pragma once

#include <QString>

namespace catalogue {

struct RunState {
  bool stopflag = false;  // the stop request, polled by the long loops
  bool warned = false;    // the program-folder warning was shown in this operation
  int partcount = 0;      // the number of the last disc-sized part found
  int searchmethod = 0;   // the batch search method
  bool listWriteFailed = false;  // a batch list could not be written (the headless exit status tells)
  QString pendingListPath;  // a list file dropped on the lower list, loaded by the next Load
  bool loading = false;     // a Load runs: the next press of Load stops it
  bool closing = false;     // the program is ending (window closed, or a stop signal): the command line ends
  bool countAsOnDisc = false;        // the searches count a part as the disc image it makes, not its bytes
  bool keepFoldersTogether = false;  // the best-fill plan and the batches keep each folder's files on one disc
};

}  // namespace catalogue
