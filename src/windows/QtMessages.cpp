// Texts use CR LF line breaks; Qt wants LF only.
#include "windows/QtMessages.h"

#include <QMessageBox>

namespace windows {

namespace {

QString plainLines(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QMessageBox::Icon qtIcon(platform::MessageIcon icon) {
  switch (icon) {
    case platform::MessageIcon::Critical: return QMessageBox::Critical;
    case platform::MessageIcon::Exclamation: return QMessageBox::Warning;
    case platform::MessageIcon::Question: return QMessageBox::Question;
    case platform::MessageIcon::Information: break;
  }
  return QMessageBox::Information;
}

}  // namespace

void QtMessages::show(const QString& title, const QString& text, platform::MessageIcon icon) {
  if (ending()) return unattended_.show(title, text, icon);
  QMessageBox box(qtIcon(icon), title, plainLines(text), QMessageBox::Ok, parent_.data());
  box.exec();
}

bool QtMessages::ask(const QString& title, const QString& text) {
  if (ending()) return unattended_.ask(title, text);
  QMessageBox box(QMessageBox::Question, title, plainLines(text), QMessageBox::Yes | QMessageBox::No, parent_.data());
  // The questions guard deleting and replacing: a stray Enter must not say Yes.
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace windows
