// The packs that come with the program: each names only controls its windows have and says
// as much as the English one, which in turn names every text the windows show.
#include <gtest/gtest.h>

#include <QDir>
#include <QScopeGuard>
#include <QSet>
#include <map>

#include "platform/MessageTexts.h"
#include "shell/LanguagePack.h"
#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "support/TestServices.h"

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
  const qsizetype open = entryName.indexOf(u'(');
  return open < 0 ? form.findNamed(entryName)
                  : form.findNamed(entryName.left(open), entryName.mid(open + 1).chopped(1).toInt());
}

class ShippedPacks : public ::testing::Test, protected testing_support::TestServices {
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
};

// Names a window lacks would be passed over without a word, so English is checked against
// the windows and every other pack against English.
TEST_F(ShippedPacks, EnglishNamesOnlyControlsAndEveryPackNamesWhatEnglishNames) {
  const auto english = names("English.lpk");
  for (const auto& [window, entries] : english) {
    ASSERT_TRUE(windows().contains(window)) << window.toStdString();
    const catalogue::Form form(windows().at(window));
    for (const QString& entry : entries) EXPECT_NE(named(form, entry), nullptr) << entry.toStdString();
  }
  const QStringList files = QDir(languageFolder).entryList({"*.lpk"}, QDir::Files);
  ASSERT_GE(files.size(), 5);
  for (const QString& file : files) {
    EXPECT_EQ(names(file), english) << file.toStdString();
    const shell::clsLanguagePack pack = load(file);
    for (const auto& section : pack.sections()) EXPECT_FALSE(section.Caption.isEmpty()) << file.toStdString();
  }
}

// Texts the program writes itself (totals, estimates, drive paths, the user's name) are
// left to it; every other caption and tool tip is in the English pack, as the windows show it.
TEST_F(ShippedPacks, EnglishNamesEveryTextTheWindowsShow) {
  const QSet<QString> computed = {"lbllevel",   "lblpercent",    "lblCountList2", "lblspeed",
                                  "lblregname", "lblregcompany", "cmdcdrom"};
  using K = catalogue::ControlKind;
  const QSet<K> boxes = {K::TextBox, K::Memo, K::ComboBox, K::PickList, K::Separator};  // their text is no caption
  shell::MainForm main(services());
  main.Form_Load({}, nullptr);
  catalogue::Form about(shell::aboutFormControls()), help(shell::helpFormControls()), copy(shell::copyFormControls());
  const shell::clsLanguagePack english = load("English.lpk");
  for (catalogue::Form* form : {&main.form(), &about, &help, &copy}) {
    const std::deque<catalogue::Control> shown = form->controls();
    for (const catalogue::Control& c : shown) {
      catalogue::Control& record = *form->findNamed(c.name, c.index);
      if (!record.text.isEmpty() && !boxes.contains(c.kind)) record.text = QStringLiteral("\x01");
      if (!record.toolTip.isEmpty() && c.index < 0) record.toolTip = QStringLiteral("\x01");  // arrays take no tips
    }
    english.SetLanguageInForm(*form);
    for (const catalogue::Control& was : shown) {
      if (computed.contains(was.name)) continue;
      const catalogue::Control& now = *std::as_const(*form).findNamed(was.name, was.index);
      const std::string where = (was.name + u'(' + QString::number(was.index) + u')').toStdString();
      EXPECT_EQ(now.text.toStdString(), was.text.toStdString()) << where;
      // The burner's name in these tips is the one found on the machine.
      if (was.name != "cmdCopy" && was.name != "cmdClipBoard") {
        EXPECT_EQ(now.toolTip.toStdString(), was.toolTip.toStdString()) << where;
      }
    }
  }
}

// Every message the program shows is in every pack, with the English places, and is taken
// as the pack writes it; English gives back the program's own texts, the others name a language.
TEST_F(ShippedPacks, EveryPackSaysEveryMessageWithItsPlaces) {
  const auto backToEnglish = qScopeGuard([] { platform::useTranslations({}); });
  const QStringList files = QDir(languageFolder).entryList({"*.lpk"}, QDir::Files);
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const shell::clsLanguagePack pack = load(file);
    const bool isEnglish = file == u"English.lpk";
    EXPECT_EQ(pack.locale().isEmpty(), isEnglish);
    platform::useTranslations(pack.messages());
    for (const platform::MessageKey& m : platform::messageKeys()) {
      const QString english = QString::fromUtf8(m.english), given = pack.messages().value(QString::fromLatin1(m.key));
      EXPECT_EQ(platform::placeholders(given), platform::placeholders(english)) << m.key;
      EXPECT_EQ(platform::text(m.id), given) << m.key;
      if (isEnglish) {
        EXPECT_EQ(given, english) << m.key;
      }
    }
  }
}

// The access key of a caption: the character after a lone "&", in lower case ("&&" shows
// an "&"); none when there is no such mark.
QChar accessKey(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i)
    if (caption[i] == u'&' && caption[++i] != u'&') return caption[i].toLower();
  return {};
}

// Alt and a key reach one control of a window, or one entry of the menu that is open. The
// English captions are the design's own, with its three clashes; no translation adds one.
TEST_F(ShippedPacks, NoTwoControlsOfAWindowOrEntriesOfAMenuShareAnAccessKey) {
  using K = catalogue::ControlKind;
  const QString englishClashes =
      "frmmain mnusel n: mnuselitem(1) mnuselitem(5) mnuselitem(8); frmmain window s: cmdsave cmdsearch cmdstop";
  const QStringList files = QDir(languageFolder).entryList({"*.lpk"}, QDir::Files);
  for (const QString& file : files) {
    const shell::clsLanguagePack pack = load(file);
    QStringList clashes;
    for (const auto& [window, controls] : windows()) {
      catalogue::Form form(controls);
      pack.SetLanguageInForm(form);
      // The reach of each key: the window's controls, the menus themselves, or one menu's entries.
      std::map<std::pair<QString, QChar>, QStringList> reach;
      for (const catalogue::Control& c : form.controls()) {
        // The second Stop button stands in the first one's place, never beside it.
        if (c.name == u"cmdstop2" || c.kind == K::Window || c.kind == K::Column || accessKey(c.text).isNull())
          continue;
        const bool entry = c.kind == K::MenuEntry || c.kind == K::CheckEntry;
        const QString scope = entry ? c.parent : c.kind == K::Menu ? "menus" : "window";
        reach[{scope, accessKey(c.text)}].append(catalogue::Form::keyOf(c.name, c.index));
      }
      for (auto& [key, names] : reach) {
        names.sort();
        if (names.size() > 1) clashes.append(window + u' ' + key.first + u' ' + key.second + QStringLiteral(": ") + names.join(u' '));
      }
    }
    clashes.sort();
    EXPECT_EQ(clashes.join(u"; ").toStdString(), (file == u"English.lpk" ? englishClashes : QString()).toStdString())
        << file.toStdString();
  }
}

}  // namespace
