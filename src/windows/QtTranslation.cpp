// Only the "qtbase" catalogue is loaded: it holds every text of the widgets the program
// uses. A locale Qt lacks leaves the English texts rather than those of the last pack.
#include "windows/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace windows {

QtTranslation::~QtTranslation() { follow(QString()); }

void QtTranslation::follow(const QString& locale) {
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
  if (locale.isEmpty()) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
}

}  // namespace windows
