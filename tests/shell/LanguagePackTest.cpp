// The language pack against small windows: how fields are read, which texts a pack
// changes and which it leaves, the language folder, and the language list at start-up.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <iterator>

#include "platform/MessageTexts.h"
#include "shell/LanguagePack.h"
#include "shell/MainFormControls.h"
#include "support/MemorySettingsStore.h"
#include "support/TempTree.h"
#include "support/TestServices.h"

namespace {

using K = catalogue::ControlKind;

FILLPACK_CONTROL(frmTest);
FILLPACK_CONTROL(lblA);
FILLPACK_CONTROL(cmdB);
FILLPACK_CONTROL(opt);
FILLPACK_CONTROL(cbo);
constexpr catalogue::ControlId none = catalogue::onWindow;

const catalogue::ControlDecl testWindow[] = {
    {frmTest, -1, K::Window, none, "Test", "", QRect()},    {lblA, -1, K::Label, none, "A", "", QRect()},
    {cmdB, -1, K::Button, none, "B", "tipB", QRect()},      {opt, 0, K::OptionButton, none, "first", "", QRect()},
    {opt, 1, K::OptionButton, none, "second", "", QRect()}, {cbo, -1, K::PickList, none, "", "", QRect()},
};

void write(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

class LanguagePack : public ::testing::Test {
 protected:
  // Loads `text` as a pack and applies it to a fresh test window.
  catalogue::Form applied(const QByteArray& text) {
    write(tree.path("pack.lpk"), text);
    pack.LoadLanguagePack(tree.path("pack.lpk"));
    catalogue::Form form{std::span(testWindow)};
    pack.SetLanguageInForm(form);
    return form;
  }
  testing_support::TempTree tree;
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPump pump;
  shell::clsLanguagePack pack{messages, pump};
};

struct Case { const char *what, *pack, *name; int index; const char *caption, *toolTip; };

const Case cases[] = {
    {"a comma in a value keeps exactly one blank", "[frmTest]\nCaption=\"T\"\ncmdB.Caption=\"One,    two,three\"\n",
     "cmdB", -1, "One, two, three", "tipB"},
    {"a window caption ends at its comma, one character short", "[frmTest]\nCaption=\"Fill, pack\"\n", "frmTest", -1,
     "Fil", ""},
    {"a section named in other letter case is not applied", "[FRMTEST]\nCaption=\"X\"\nlblA.Caption=\"x\"\n", "lblA",
     -1, "A", ""},
    {"a section without Caption empties the window caption", "[frmTest]\nlblA.Caption=\"a\"\n", "frmTest", -1, "", ""},
    {"a missing control is passed over", "[frmTest]\nnothere.Caption=\"n\"\nlblA.Caption=\"a\"\n", "lblA", -1, "a", ""},
    {"an array element takes its caption", "[frmTest]\nopt(1).Caption=\"Zwei\"\nopt(1).ToolTip=\"t\"\n", "opt", 1,
     "Zwei", ""},
    {"an empty value empties an array element", "[frmTest]\nopt(0).Caption=\"\"\n", "opt", 0, "", ""},
    {"a tool tip follows its caption line", "[frmTest]\ncmdB.Caption=\"\"\ncmdB.ToolTip=\"new, tip\"\n", "cmdB", -1,
     "B", "new, tip"},
    {"a tool tip before any caption is ignored", "[frmTest]\ncmdB.ToolTip=\"lost\"\n", "cmdB", -1, "B", "tipB"},
    {"a box takes a tool tip but no caption", "[frmTest]\ncbo.Caption=\"c\"\ncbo.ToolTip=\"pick\"\n", "cbo", -1, "",
     "pick"},
    {"CR LF line ends", "[frmTest]\r\nlblA.Caption=\"crlf\"\r\n[frmTest.End]\r\n", "lblA", -1, "crlf", ""},
    {"lines after the section end are ignored", "[frmTest]\n[frmTest.End]\nlblA.Caption=\"late\"\n", "lblA", -1, "A",
     ""},
    {"a tab caption has nothing to change", "[frmTest]\ncmdB.TabCaption(0).Caption=\"t\"\nlblA.Caption=\"a\"\n", "cmdB",
     -1, "B", "tipB"},
    {"a quote that never closes takes the rest", "[frmTest]\nlblA.Caption=\"open\n  end", "lblA", -1, "open, end", ""},
    {"UTF-8 text", "[frmTest]\nlblA.Caption=\"Größe\"\n", "lblA", -1, "Größe", ""},
};

TEST_F(LanguagePack, AppliesEachFieldAsWritten) {
  for (const Case& c : cases) {
    const catalogue::Form form = applied(QByteArray(c.pack));
    const catalogue::Control* control = form.findNamed(QString::fromLatin1(c.name), c.index);
    ASSERT_NE(control, nullptr) << c.what;
    EXPECT_EQ(control->text, QString::fromUtf8(c.caption)) << c.what;
    EXPECT_EQ(control->toolTip, QString::fromUtf8(c.toolTip)) << c.what;
  }
}

TEST_F(LanguagePack, ASecondPackKeepsNothingOfTheFirst) {
  applied("[frmTest]\nCaption=\"one\"\nlblA.Caption=\"a1\"\ncmdB.Caption=\"b1\"\n");
  const catalogue::Form second = applied("[frmTest]\nCaption=\"two\"\nlblA.Caption=\"a2\"\n");
  EXPECT_EQ(second.text(lblA), "a2");
  EXPECT_EQ(second.text(cmdB), "B");
  pack.LoadLanguagePack(tree.path("missing.lpk"));
  EXPECT_TRUE(pack.sections().isEmpty());
  EXPECT_EQ(pack.CurrentFile, tree.path("missing.lpk"));
}

// A pipe or a device would hold the start for ever and a huge file would stall it: what is
// no regular file of at most maxPackSize bytes loads as a missing pack does, and listing
// the folder opens none of them.
TEST_F(LanguagePack, OnlyARegularFileOfSaneSizeIsRead) {
  const QByteArray text = "[frmTest]\nlblA.Caption=\"read\"\n";
  const auto sized = [&](const char* name, qint64 size) {
    write(tree.path(QString::fromLatin1(name)), text);
    ASSERT_TRUE(QFile::resize(tree.path(QString::fromLatin1(name)), size));  // sparse: no disk used
  };
  tree.fifo("language/pipe.lpk");
  tree.symlink(tree.path("language/pipe.lpk"), "language/link.lpk");
  tree.folder("language/folder.lpk");
  sized("language/huge.lpk", 100 * 1024 * 1024);
  sized("language/over.lpk", shell::clsLanguagePack::maxPackSize + 1);
  sized("language/most.lpk", shell::clsLanguagePack::maxPackSize);
  const struct {
    const char* name;
    bool read;
  } cases[] = {{"pipe.lpk", false}, {"link.lpk", false}, {"folder.lpk", false}, {"huge.lpk", false},
               {"over.lpk", false}, {"most.lpk", true},  {"/dev/null", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    applied(text);  // something held before
    const QString path = c.name[0] == '/' ? QString::fromLatin1(c.name) : tree.path("language/") + c.name;
    pack.LoadLanguagePack(path);
    EXPECT_EQ(pack.sections().isEmpty(), !c.read);
    EXPECT_EQ(pack.CurrentFile, path);
  }
  EXPECT_EQ(pack.EnumLanguagePacks(tree.path("language"), "*.lpk"), "huge.lpk|most.lpk|over.lpk");
}

TEST_F(LanguagePack, ListsThePacksOfAFolderByName) {
  tree.folder("empty");
  EXPECT_EQ(pack.EnumLanguagePacks(tree.path("empty"), "*.lpk"), "");
  for (const char* name : {"language/b.lpk", "language/A.lpk", "language/.hidden.lpk", "language/notes.txt"})
    tree.file(name);
  tree.folder("language/folder.lpk");
  EXPECT_EQ(pack.EnumeraPacotesdeLinguagem(tree.path("language"), "*.lpk"), "A.lpk|b.lpk");
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(pack.EnumLanguagePacks(tree.path("gone"), "*.lpk"), "");
  ASSERT_EQ(messages.shown.size(), 1);
  EXPECT_TRUE(messages.shown[0].text == tree.path("gone") + " doesn't exist." &&
              messages.shown[0].icon == platform::MessageIcon::Critical);
}

// Start-up fills the language list and applies the first pack, then the saved one.
class LanguageStartUp : public ::testing::Test, protected testing_support::TestServices {
 protected:
  void SetUp() override {
    tree.folder("data/language");
    write(tree.path("data/language/a.lpk"), "[frmmain]\nCaption=\"First\"\nlblLanguage.Caption=\"Eins\"\n");
    write(tree.path("data/language/b.lpk"), "[frmmain]\nCaption=\"Second\"\n");
  }
  std::unique_ptr<shell::MainForm> start(const QString& dataFolder, const platform::SettingsStore* settings = nullptr) {
    auto window = std::make_unique<shell::MainForm>(services({.dataFolder = dataFolder}));
    window->Form_Load({}, settings);
    return window;
  }
  testing_support::TempTree tree;
};

TEST_F(LanguageStartUp, TheFirstPackIsAppliedAndAPickAppliesAnother) {
  const auto window = start(tree.path("data"));
  const catalogue::Control& list = *window->form().find(shell::mainform::cboLangPacks);
  EXPECT_TRUE(list.items == QStringList({"a.lpk", "b.lpk"}) && list.value == 0);
  EXPECT_EQ(window->form().text(shell::mainform::frmmain), "First");
  window->form()(shell::mainform::cboLangPacks).text = "b.lpk";
  window->cboLangPacks_Click();
  EXPECT_TRUE(list.value == 1 && window->form().text(shell::mainform::frmmain) == "Second");
  EXPECT_EQ(window->form().text(shell::mainform::lblLanguage), "Eins");  // not named by the second pack
  EXPECT_EQ(window->languagePack().CurrentFile, tree.path("data/language/b.lpk"));
}

// The messages follow the pack picked: its texts where they leave the English places as
// they are, English for the rest and once a pack without texts is picked, and again after
// the window is gone. The toolkit is told each pack's language.
TEST_F(LanguageStartUp, MessagesAndLocaleFollowThePickedPack) {
  using platform::Msg;
  write(tree.path("data/language/a.lpk"),
        "[frmmain]\nCaption=\"F\"\ncmdadd.Caption=\"+\"\ncmdadd.ToolTip=\"Hinzu\"\nlblcurrent.Caption=\"Stand\"\n[frmmain.End]\n"
        "[pack]\nLocale=de\n[pack.End]\n[messages]\nScanDriveTip=\"Prüfen\"\n"
        "DeleteTitle=\"Dateien, \\\"alle\\\"\\r\\nl\xC3\xB6schen\"\n"  // a comma, quotes, a line break
        "CdUtilization=\"% belegt\"\nNoDiscMounted=\"Keine Disc\"\nScanTitle=\"%1 %2\"\nUnknown=\"x\"\n"
        "[messages.End]\n");
  QStringList locales;
  shell::Services given = services({.dataFolder = tree.path("data")});
  given.translatedMessages = true;
  given.followLocale = [&locales](const QString& locale) { locales.append(locale); };
  {
    shell::MainForm window(given);
    window.Form_Load({}, nullptr);
    EXPECT_EQ(platform::text(Msg::DeleteTitle), QStringLiteral("Dateien, \"alle\"\r\nlöschen"));
    EXPECT_EQ(window.form().find(shell::mainform::lblpercent)->tag.toStdString(), "% belegt");
    // The status label shows its translated caption again once a command's progress ends.
    EXPECT_EQ(window.form().find(shell::mainform::lblcurrent)->tag.toStdString(), "Stand");
    // The start-up tips give way to the first pack's, and those no pack holds follow its messages.
    EXPECT_EQ(window.form().find(shell::mainform::cmdadd)->toolTip.toStdString(), "Hinzu");
    EXPECT_EQ(window.form().find(shell::mainform::cmdcdrom, 0)->toolTip, QStringLiteral("Prüfen"));
    // A place left out, a place added: both refused.
    EXPECT_EQ(platform::text(Msg::NoDiscMounted).toStdString(), "There is no disc mounted in the drive %1.");
    EXPECT_EQ(platform::text(Msg::ScanTitle).toStdString(), "Scan disc");
    window.pickLanguage(1);
    EXPECT_EQ(platform::text(Msg::DeleteTitle), "Delete files");
    EXPECT_EQ(window.form().find(shell::mainform::lblpercent)->tag.toStdString(), "% CD utilization");
    window.pickLanguage(0);
  }
  EXPECT_EQ(platform::text(Msg::DeleteTitle), "Delete files");
  EXPECT_EQ(locales, QStringList({"de", "", "de"}));
}

TEST_F(LanguageStartUp, TheSavedPackFollowsTheFirst) {
  testing_support::MemorySettingsStore settings;
  settings.values[settings.address("Fillpack", "Main", "LangPacks")] = "1";
  const auto window = start(tree.path("data"), &settings);
  EXPECT_TRUE(window->form().find(shell::mainform::cboLangPacks)->value == 1 && window->form().text(shell::mainform::frmmain) == "Second");
  EXPECT_EQ(window->form().text(shell::mainform::lblLanguage), "Eins");
}

TEST_F(LanguageStartUp, AMissingLanguageFolderIsToldOnce) {
  const auto window = start(tree.path("nowhere"));
  EXPECT_TRUE(window->form().find(shell::mainform::cboLangPacks)->items.isEmpty());
  ASSERT_EQ(messages.shown.size(), 1);
  EXPECT_EQ(messages.shown[0].text, tree.path("nowhere/language") + " doesn't exist.");
  EXPECT_EQ(window->form().text(shell::mainform::frmmain), "Fillpack");
}

}  // namespace
