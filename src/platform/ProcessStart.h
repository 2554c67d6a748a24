// Starting another program that lives on after ours, such as the burning program. The
// arguments are file-name strings and reach the program as the very bytes of the names.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace platform {

// The kernel refuses a single argument longer than this, its NUL included (MAX_ARG_STRLEN).
constexpr qint64 maxArgumentBytes = 131072;

// Whether `program` and `arguments` fit one command line of `room` bytes: every argument
// within maxArgumentBytes, and all of them with their NULs and pointers within `room`.
bool fitsCommandLine(const QString& program, const QStringList& arguments, qint64 room);

class ProcessStart {
 public:
  virtual ~ProcessStart() = default;
  // Starts `program` (its path) with `arguments`, not waiting for it; false when it cannot
  // be started.
  virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
  // How many bytes of command line a program started now can take.
  virtual qint64 commandLineRoom() const = 0;
};

class PosixProcessStart final : public ProcessStart {
 public:
  bool startDetached(const QString& program, const QStringList& arguments) override;
  // The system's limit less what our environment takes (the started program inherits it)
  // and a margin for what the kernel puts beside them.
  qint64 commandLineRoom() const override;
};

// Where no program may be started: nothing can be.
class NoProcessStart final : public ProcessStart {
 public:
  bool startDetached(const QString&, const QStringList&) override { return false; }
  qint64 commandLineRoom() const override { return 0; }
};

}  // namespace platform
