// The status label keeps its normal caption in its tag.
#include "catalogue/ProgressFrame.h"

namespace catalogue {

void showProgress(Form& form, const QString& activity) {
  form(QStringLiteral("lblcurrent")).text = activity;
  form(QStringLiteral("lbllevel")).visible = false;
  form(QStringLiteral("framain")).visible = true;
  form(QStringLiteral("Timer")).enabled = true;
  form(QStringLiteral("cmdstop")).tag = QStringLiteral("1");
}

void endProgress(Form& form, const std::function<void()>& stopHandler) {
  if (stopHandler) stopHandler();
  form(QStringLiteral("cmdstop")).tag.clear();
  form(QStringLiteral("lbllevel")).visible = true;
  Control& current = form(QStringLiteral("lblcurrent"));
  current.text = current.tag;
  form(QStringLiteral("lstmain")).visible = true;
}

}  // namespace catalogue
