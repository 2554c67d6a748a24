// The packs that come with the program: each names only controls its windows have, reads
// back exactly as written, and says as much as the English one, which in turn names every
// text the windows show.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <map>

#include "shell/LanguagePack.h"
#include "shell/MainForm.h"
#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "support/Fakes.h"

namespace {

const QString languageFolder = QStringLiteral(FILLPACK_SOURCE_DIR "/language");

std::map<QString, std::span<const catalogue::ControlDecl>> windows() {
  return {{"frmmain", shell::mainFormControls()},
          {"frmAbout", shell::aboutFormControls()},
          {"frmHelp", shell::helpFormControls()},
          {"frmCopy", shell::copyFormControls()}};
}

// The record an entry name stands for, or nullptr.
const catalogue::Control* named(const catalogue::Form& form, const QString& entryName) {
  QString name = entryName;
  int index = -1;
  if (const qsizetype open = entryName.indexOf(u'('); open >= 0) {
    name = entryName.left(open);
    index = entryName.mid(open + 1).chopped(1).toInt();
  }
  for (const catalogue::Control& c : form.controls())
    if (c.name == name && c.index == index) return &c;
  return nullptr;
}

class ShippedPacks : public ::testing::Test {
 protected:
  shell::clsLanguagePack load(const QString& file) {
    shell::clsLanguagePack pack(messages, pump);
    pack.LoadLanguagePack(languageFolder + u'/' + file);
    return pack;
  }
  // Section name → the entry names it holds, as a set.
  std::map<QString, QSet<QString>> names(const QString& file) {
    std::map<QString, QSet<QString>> out;
    const shell::clsLanguagePack pack = load(file);
    for (const auto& section : pack.sections())
      for (const auto& entry : section.entries) out[section.Name].insert(entry.Name);
    return out;
  }
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPump pump;
};

TEST_F(ShippedPacks, EveryNameIsAControlOfItsWindowAndEveryValueReadsBack) {
  const QStringList files = QDir(languageFolder).entryList({"*.lpk"}, QDir::Files);
  ASSERT_GE(files.size(), 5);
  const QRegularExpression valueLine(QStringLiteral("^\\w+(?:\\(\\d+\\))?\\.(?:Caption|ToolTip)=\"(.*)\"$"));
  for (const QString& file : files) {
    const shell::clsLanguagePack pack = load(file);
    ASSERT_EQ(pack.sections().size(), windows().size()) << file.toStdString();
    for (const auto& section : pack.sections()) {
      ASSERT_TRUE(windows().contains(section.Name)) << file.toStdString() << ": " << section.Name.toStdString();
      EXPECT_FALSE(section.Caption.isEmpty()) << file.toStdString();
      const catalogue::Form form(windows().at(section.Name));
      for (const auto& entry : section.entries)
        EXPECT_NE(named(form, entry.Name), nullptr) << file.toStdString() << ": " << entry.Name.toStdString();
    }
    // A comma followed by anything but one blank would come back changed.
    QFile text(languageFolder + u'/' + file);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    QStringList written, read;
    for (const QString& line : QString::fromUtf8(text.readAll()).split(u'\n'))
      if (const auto m = valueLine.match(line.trimmed()); m.hasMatch() && !m.captured(1).isEmpty())
        written.append(m.captured(1));
    for (const auto& section : pack.sections())
      for (const auto& entry : section.entries)
        for (const QString& value : {entry.Caption, entry.ToolTip})
          if (!value.isEmpty()) read.append(value);
    EXPECT_EQ(read, written) << file.toStdString();
  }
}

TEST_F(ShippedPacks, TranslationsNameWhatEnglishNames) {
  const auto english = names("English.lpk");
  for (const QString& file : QDir(languageFolder).entryList({"*.lpk"}, QDir::Files))
    EXPECT_EQ(names(file), english) << file.toStdString();
}

// Texts the program writes itself (totals, estimates, drive paths, the user's name) are
// left to it; every other caption and tool tip is in the English pack, as the windows show it.
TEST_F(ShippedPacks, EnglishNamesEveryTextTheWindowsShow) {
  const QSet<QString> computed = {"lbllevel",   "lblpercent",    "lblCountList2", "lblspeed",
                                  "lblregname", "lblregcompany", "cmdcdrom"};
  using K = catalogue::ControlKind;
  const QSet<K> boxes = {K::TextBox, K::Memo, K::ComboBox, K::PickList, K::Separator};  // their text is no caption
  testing_support::TestValueStore registry;
  testing_support::ScriptedPicker picker;
  shell::MainForm main(shell::Services{messages, picker, pump, registry, nullptr, {}});
  main.Form_Load({}, nullptr);
  catalogue::Form about(shell::aboutFormControls()), help(shell::helpFormControls()), copy(shell::copyFormControls());
  const shell::clsLanguagePack english = load("English.lpk");
  for (catalogue::Form* form : {&main.form(), &about, &help, &copy}) {
    const std::deque<catalogue::Control> shown = form->controls();
    const QString marker = QStringLiteral("\x01");
    for (const catalogue::Control& c : shown) {
      catalogue::Control& record = (*form)(c.name, c.index);
      if (!record.text.isEmpty() && !boxes.contains(c.kind)) record.text = marker;
      if (!record.toolTip.isEmpty() && c.index < 0) record.toolTip = marker;  // packs give arrays no tips
    }
    english.SetLanguageInForm(*form);
    for (const catalogue::Control& was : shown) {
      if (computed.contains(was.name)) continue;
      const catalogue::Control& now = *form->find(was.name, was.index);
      const std::string where = (was.name + u'(' + QString::number(was.index) + u')').toStdString();
      EXPECT_EQ(now.text.toStdString(), was.text.toStdString()) << where;
      // The burner's name in these tips is the one found on the machine.
      if (was.name != "cmdCopy" && was.name != "cmdClipBoard") {
        EXPECT_EQ(now.toolTip.toStdString(), was.toolTip.toStdString()) << where;
      }
    }
  }
}

}  // namespace
