// To be removed once search and output are converted: the record-writing helpers they
// still call, kept so that every layer builds meanwhile. New code uses ProgressView,
// utilizationPercent and the shell's records instead.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/Catalogue.h"
#include "catalogue/Form.h"
#include "catalogue/Gathering.h"

namespace catalogue {

void showProgress(Form& form, const QString& activity);
void endProgress(Form& form, const std::function<void()>& stopHandler);
double limitBytes(const Form& form);
QString utilizationCaption(const Form& form, double part, double whole);
void showLowerTotals(Form& form, const Catalogue& catalogue, qint64 bytes);
void showLowerResult(Form& form, const Catalogue& catalogue, qint64 bytes);
GatherRequest gatherRequestOf(const Form& form);

}  // namespace catalogue
