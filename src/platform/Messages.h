// Message boxes and yes/no questions. The window shows them as modal dialogs; the
// headless run writes them to standard error and answers every question No.
#pragma once

#include <QString>

namespace platform {

enum class MessageIcon { Information, Critical, Exclamation, Question };

class Messages {
 public:
  virtual ~Messages() = default;
  virtual void show(const QString& title, const QString& text, MessageIcon icon) = 0;
  // true for Yes.
  virtual bool ask(const QString& title, const QString& text) = 0;
};

class StderrMessages final : public Messages {
 public:
  void show(const QString& title, const QString& text, MessageIcon icon) override;
  bool ask(const QString& title, const QString& text) override;
};

}  // namespace platform
