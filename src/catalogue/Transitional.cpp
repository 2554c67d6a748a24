// To be removed once search and output are converted: the old record-writing helpers.
#include "catalogue/Transitional.h"

#include "catalogue/Numbers.h"
#include "catalogue/Utilization.h"

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

double limitBytes(const Form& form) {
  const Control* box = form.find(QStringLiteral("txtlimit"));
  return box ? leadingNumber(box->tag) : 0;
}

QString utilizationCaption(const Form& form, double part, double whole) {
  const Control* label = form.find(QStringLiteral("lblpercent"));
  return percentText(part, whole) + (label ? label->tag : QString());
}

void showLowerTotals(Form& form, const Catalogue& catalogue, qint64 bytes) {
  Control& totalBox = form(QStringLiteral("txttotal"));
  totalBox.text = megabytesText(bytes);
  form(QStringLiteral("lblCountList2")).text = catalogue.lowerSummary(totalBox.text);
}

void showLowerResult(Form& form, const Catalogue& catalogue, qint64 bytes) {
  showLowerTotals(form, catalogue, bytes);
  form(QStringLiteral("lblpercent")).text = utilizationPercent(bytes, writtenNumber(form.text(QStringLiteral("txtlimit")))) +
                                            form(QStringLiteral("lblpercent")).tag;
}

GatherRequest gatherRequestOf(const Form& form) {
  const Control* exclusive = form.find(QStringLiteral("optmain"), 1);
  const Control* recurse = form.find(QStringLiteral("chkrecurse"));
  return GatherRequest{form.text(QStringLiteral("txtdir")), recurse && recurse->value == 1,
                       form.text(QStringLiteral("txtpattern")), exclusive && exclusive->value != 0,
                       form.find(QStringLiteral("txtdir"))->items};
}

}  // namespace catalogue
