// The claim of a command on the main window for as long as it runs. Commands yield to the
// window while they work, so a click can start a second one in the middle of the first;
// the claim refuses it instead of letting both work on the same lists.
#pragma once

#include <QtGlobal>
#include <optional>

namespace shell {

template <class Command>
class CommandScope {
 public:
  CommandScope(std::optional<Command>& running, Command command) : running_(running), granted_(!running) {
    if (granted_) running_ = command;
  }
  ~CommandScope() {
    if (granted_) running_.reset();
  }
  Q_DISABLE_COPY_MOVE(CommandScope)

  // false when another command was running: the new one must do nothing.
  explicit operator bool() const { return granted_; }

 private:
  std::optional<Command>& running_;
  bool granted_;
};

}  // namespace shell
