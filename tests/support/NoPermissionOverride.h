// Permission bits that bind root too, for the length of a scope: the calling thread gives
// up the capabilities that let it read, write and search past them (CAP_DAC_OVERRIDE,
// CAP_DAC_READ_SEARCH) and takes them back at the end. Capabilities belong to a thread,
// so nothing else in the test program is touched; for a user other than root it changes
// nothing, as the bits bind such a user anyway.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testing_support {

class NoPermissionOverride {
 public:
  NoPermissionOverride() {
    if (::syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    active_ = ::syscall(SYS_capset, &header_, reduced) == 0;
  }
  ~NoPermissionOverride() {
    if (active_) ::syscall(SYS_capset, &header_, saved_);
  }
  NoPermissionOverride(const NoPermissionOverride&) = delete;
  NoPermissionOverride& operator=(const NoPermissionOverride&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2] = {};
  bool active_ = false;
};

}  // namespace testing_support
