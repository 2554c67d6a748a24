// The instructions text and the About window's records: fallbacks, the notice's rules and
// the links, driven through a recording opener so nothing is ever opened.
#include <QStringList>
#include <gtest/gtest.h>

#include "shell/SecondaryFormControls.h"
#include "platform/UserName.h"
#include "shell/AboutForm.h"
#include "shell/Instructions.h"

namespace {

struct RecordingOpener final : platform::LinkOpener {
  bool open(const QUrl& address) override {
    opened.append(address.toString());
    return true;
  }
  QStringList opened;
};

TEST(InstructionsText, KeepsItsLinesAndNamesTheBurnerGiven) {
  const QString text = shell::instructionsText(QStringLiteral("Brasero"));
  ASSERT_TRUE(text.endsWith(QStringLiteral("structure)\r\n")));
  const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 27);
  EXPECT_EQ(lines[25], QStringLiteral("9. Push button ''Copy to ClipBoard'' Copy to clipboard and startup Brasero and "
                                      "choose paste button in Brasero"));
  EXPECT_FALSE(text.contains(QStringLiteral("Nero")));
  EXPECT_EQ(shell::burnerName(std::nullopt), QStringLiteral("the burning program"));
}

TEST(GecosName, IsTheFirstCommaSeparatedField) {
  EXPECT_EQ(platform::fullNameFromGecos("Ada Lovelace,Room 1,555,"), QStringLiteral("Ada Lovelace"));
  EXPECT_EQ(platform::fullNameFromGecos("J\xc3\xb8rn"), QStringLiteral("J\u00f8rn"));
  EXPECT_EQ(platform::fullNameFromGecos(",,,"), QString());
}

class AboutFormTest : public ::testing::Test {
 protected:
  shell::AboutForm load(const shell::AboutFacts& facts) { return shell::AboutForm(facts, opener, {}); }
  RecordingOpener opener;
};

TEST_F(AboutFormTest, EachRegistrationLabelFallsBackOnItsOwn) {
  const struct {
    QString owner, organisation, productId;
    QStringList shown;
  } cases[] = {
      {"Ada", "", "", {"Ada", "Unregistered Company", "0000-0000-0000-0000"}},
      {"", "Acme", "1234", {"Unregistered Name", "Acme", "1234"}},
  };
  for (const auto& c : cases) {
    shell::AboutFacts facts;
    facts.owner = c.owner;
    facts.organisation = c.organisation;
    facts.productId = c.productId;
    const shell::AboutForm about = load(facts);
    const catalogue::Form& form = about.form();
    EXPECT_EQ(QStringList({form.text(shell::aboutform::lblregname), form.text(shell::aboutform::lblregcompany), form.text(shell::aboutform::lblregserial)}), c.shown)
        << c.owner.toStdString();
  }
}

// The language is applied first and the loading writes its own texts over it.
TEST_F(AboutFormTest, TitleNoticeAndLicenceOverTheLanguage) {
  shell::AboutFacts facts;
  facts.version = QStringLiteral("4.0.198");
  facts.legalNotice = QStringLiteral("(c) 2026 us\\nAll (C) rights\\n");
  const shell::AboutForm about(facts, opener, [](catalogue::Form& form) {
    form(shell::aboutform::lblFreeware).text = QStringLiteral("Logiciel gratuit");
    form(shell::aboutform::frmAbout).text = QStringLiteral("A propos");
  });
  EXPECT_EQ(about.form().text(shell::aboutform::lblFreeware), QStringLiteral("Logiciel gratuit"));
  EXPECT_EQ(about.form().text(shell::aboutform::frmAbout), QStringLiteral("About "));
  EXPECT_EQ(about.form().text(shell::aboutform::lblTitle), QStringLiteral("Fillpack ver 4.0.198"));
  EXPECT_EQ(about.form().text(shell::aboutform::lblCopyright), QStringLiteral("\u00a9 2026 us\r\nAll (C) rights\r\n"));
  EXPECT_TRUE(about.form().text(shell::aboutform::txtLicense).contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
  // "\n" goes first: "(\nc)" is no copyright sign.
  EXPECT_EQ(shell::shownLegalNotice(QStringLiteral("(\\nc)")), QStringLiteral("(\r\nc)"));
}

// The whole version of the project, "0.1.0" and not its first and last numbers.
TEST_F(AboutFormTest, TitleOfThisCopyNamesTheProjectVersion) {
  EXPECT_EQ(load(shell::aboutFactsOfThisCopy()).form().text(shell::aboutform::lblTitle),
            QStringLiteral("Fillpack ver " FILLPACK_VERSION));
}

TEST_F(AboutFormTest, LinksWithoutAnAddressAreHiddenAndTheOthersOpenTheirAddress) {
  const catalogue::ControlId links[] = {shell::aboutform::cmdUpdate, shell::aboutform::lblHomePage, shell::aboutform::lblEMail};
  shell::AboutForm bare = load({});
  for (const catalogue::ControlId link : links) EXPECT_FALSE(bare.form().find(link)->visible) << link.name;
  shell::AboutFacts facts;
  facts.version = QStringLiteral("1.0");
  facts.updateUrl = QStringLiteral("https://example.org/new");
  facts.homePageUrl = QStringLiteral("https://example.org/");
  facts.email = QStringLiteral("me@example.org");
  shell::AboutForm about = load(facts);
  for (const catalogue::ControlId link : links) EXPECT_TRUE(about.form().find(link)->visible) << link.name;
  about.cmdUpdate_Click();
  about.lblHomePage_Click();
  about.lblEMail_Click();
  EXPECT_EQ(opener.opened, QStringList({"https://example.org/new", "https://example.org/",
                                        "mailto:me@example.org?subject=I have question on Fillpack ver 1.0"}));
}

}  // namespace
