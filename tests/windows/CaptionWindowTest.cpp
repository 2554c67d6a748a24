// The window under every shipped pack at its smallest size, offscreen, measured with the
// real font and style: no caption is cut and the language box shows a pack's whole name.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

#include "support/TestServices.h"
#include "support/MemorySettingsStore.h"
#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "windows/AboutWindow.h"
#include "windows/CopyWindow.h"
#include "windows/MainWindow.h"

namespace {

// The room the style leaves for a button's text, inside its frame or beside its box.
int textRoom(const QAbstractButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox*>(&button))
    contents = QStyle::SE_CheckBoxContents;
  else if (qobject_cast<const QRadioButton*>(&button))
    contents = QStyle::SE_RadioButtonContents;
  else if (const auto* push = qobject_cast<const QPushButton*>(&button); push && push->autoDefault())
    option.features |= QStyleOptionButton::AutoDefaultButton;
  return button.style()->subElementRect(contents, &option, &button).width();
}

void expectWholeCaptions(const QWidget& window, const std::string& where) {
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty()) continue;
    EXPECT_LE(button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width(), textRoom(*button))
        << button->objectName().toStdString() << " \"" << button->text().toStdString() << "\" in " << where;
  }
}

struct NoLinks final : platform::LinkOpener {
  bool open(const QUrl&) override { return true; }
};

class CaptionWindowTest : public ::testing::Test, protected testing_support::TestServices {
 protected:
  CaptionWindowTest() {
    state.Form_Load({}, nullptr);
    view.syncFromState();
    view.show();
  }

  testing_support::MemorySettingsStore store;
  NoLinks links;
  shell::MainForm state{services({.dataFolder = QStringLiteral(FILLPACK_SOURCE_DIR)})};
  windows::MainWindow view{state, nullptr};
};

TEST_F(CaptionWindowTest, AtTheSmallestSizeEveryCaptionAndPackNameIsShownWhole) {
  const QStringList packs = state.form().find(shell::mainform::cboLangPacks)->items;
  ASSERT_GE(packs.size(), 5);
  auto* languages = qobject_cast<QComboBox*>(view.control(shell::mainform::cboLangPacks));
  ASSERT_NE(languages, nullptr);
  for (int i = 0; i < packs.size(); ++i) {
    state.pickLanguage(i);
    view.syncFromState();
    view.resize(1, 1);  // springs back to the smallest size these captions allow
    const std::string where = packs[i].toStdString();
    expectWholeCaptions(view, where);
    const auto* limit = qobject_cast<QLabel*>(view.control(shell::mainform::lbllimit));
    EXPECT_LE(limit->fontMetrics().horizontalAdvance(limit->text()), limit->contentsRect().width()) << where;

    // A name wider than the box's field scrolls it to show the name's end ("eutsch.lpk").
    QLineEdit* field = languages->lineEdit();
    for (const QString& pack : packs) {
      field->setText(pack);
      field->repaint();  // a line edit scrolls its text when it paints
      const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
      EXPECT_GE(cursor.center().x(), field->fontMetrics().horizontalAdvance(pack))
          << pack.toStdString() << " in " << where;
    }
    languages->setEditText(packs[i]);

    // The secondary windows take the pack when they are made.
    const auto applyPack = [this](catalogue::Form& form) { state.applyLanguageTo(form); };
    {
      windows::AboutWindow about(view, shell::AboutFacts{}, links, applyPack);
      about.show();
      expectWholeCaptions(about, "About in " + where);
    }
    shell::CopyForm copying(&store, QStringLiteral("/tmp"), picker, applyPack);
    windows::CopyWindow dialog(view, copying);
    dialog.showBesideOwner();
    expectWholeCaptions(dialog, "Copy in " + where);
  }
}

}  // namespace
