// The standard buttons of the message boxes speak the language of the pack picked, from
// Qt's own translations, and English again for a pack that names none or one Qt lacks.
#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "windows/QtTranslation.h"

namespace {

TEST(QtTranslation, StandardButtonsFollowThePacksLocale) {
  const struct {
    const char* locale;
    const char* no;
  } cases[] = {{"de", "&Nein"}, {"pt_BR", "&Não"}, {"zz", "&No"}, {"fr", "&Non"}, {"", "&No"}};
  windows::QtTranslation translation;
  for (const auto& c : cases) {
    translation.follow(QString::fromLatin1(c.locale));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::No)->text().toStdString(), c.no) << c.locale;
  }
}

}  // namespace
