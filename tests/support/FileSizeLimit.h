// A full disk for the length of a scope: no file of this process can grow past `bytes`
// (RLIMIT_FSIZE), and a write past it fails with EFBIG instead of the signal that would
// end the test program. Both are restored at the end of the scope.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace testing_support {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit saved_ {};
  sighandler_t savedHandler_ = SIG_DFL;
};

}  // namespace testing_support
