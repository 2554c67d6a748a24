// Copy benchmark driver: gathers every file below SOURCE into the lower list, as the
// window would with a limit no part reaches, then runs Copy to Folder with TARGET typed
// into the dialog. Silent; prints the number of files staged, and fails (exit 1) when the
// copy told of a problem.
//
//   fillpack_bench_copy SOURCE TARGET
#include <QCoreApplication>
#include <cstdio>

#include "BenchServices.h"
#include "platform/Sound.h"
#include "shell/SecondaryFormControls.h"

namespace {

// The user types the target and presses OK.
class TypedTarget final : public shell::CopyDialog {
 public:
  explicit TypedTarget(QString target) : target_(std::move(target)) {}
  void show(shell::CopyForm& form) override {
    form.form()(shell::copyform::txtPath).text = target_;
    form.cmdOK_Click();
  }

 private:
  QString target_;
};

// Counts what the copy tells, and passes it on.
class CountingMessages final : public platform::Messages {
 public:
  void show(const QString& title, const QString& text, platform::MessageIcon icon) override {
    ++shown;
    inner.show(title, text, icon);
  }
  bool ask(const QString& title, const QString& text) override { return inner.ask(title, text); }
  platform::StderrMessages inner;
  int shown = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: fillpack_bench_copy SOURCE TARGET\n", stderr);
    return 2;
  }
  CountingMessages messages;
  TypedTarget dialog(QString::fromLocal8Bit(argv[2]));
  platform::SilentSound sound;
  bench::BenchServices desktop;
  shell::MainForm window(desktop.services(messages, shell::CopyDesktop{&dialog, &sound, nullptr, nullptr}));
  window.Form_Load({QStringLiteral("/limit"), QStringLiteral("100000000"), QStringLiteral("/recurse"),
                    QString::fromLocal8Bit(argv[1]), QStringLiteral("/dumb")},
                   nullptr);
  window.cmdCopy_Click();
  std::printf("%d\n", window.catalogue().lstsec().count());
  return messages.shown == 0 ? 0 : 1;
}
