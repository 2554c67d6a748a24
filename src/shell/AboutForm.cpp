// Each step of the loading stands on its own: a fact that is missing gives the fallback of
// its own label and leaves the others as they are.
#include "shell/AboutForm.h"

#include <QFile>

#include "platform/UserName.h"
#include "shell/BuildFacts.h"
#include "shell/SecondaryFormControls.h"

namespace shell {

namespace {

QString orFallback(const QString& value, const char* fallback) {
  return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

}  // namespace

AboutFacts aboutFactsOfThisCopy() {
  AboutFacts facts;
  facts.version = QString::fromLatin1(build::version);
  facts.legalNotice = QString::fromUtf8(build::legalNotice);
  facts.owner = platform::fullUserName();
  facts.updateUrl = QString::fromUtf8(build::updateUrl);
  facts.homePageUrl = QString::fromUtf8(build::homePageUrl);
  facts.email = QString::fromUtf8(build::email);
  return facts;
}

QString shownLegalNotice(const QString& notice) {
  QString shown = notice;
  shown.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
  shown.replace(QStringLiteral("(c)"), QStringLiteral("\u00a9"));
  return shown;
}

QString licenceText() {
  QFile licence(QStringLiteral(":/LICENSE"));
  if (!licence.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(licence.readAll());
}

AboutForm::AboutForm(AboutFacts facts, platform::LinkOpener& opener,
                     const std::function<void(catalogue::Form&)>& applyLanguage)
    : form_(aboutFormControls()), facts_(std::move(facts)), opener_(opener) {
  Form_Load(applyLanguage);
}

void AboutForm::Form_Load(const std::function<void(catalogue::Form&)>& applyLanguage) {
  if (applyLanguage) applyLanguage(form_);
  form_(aboutform::frmAbout).text = QStringLiteral("About ");
  form_(aboutform::lblTitle).text = QStringLiteral("Fillpack ver %1").arg(facts_.version);
  form_(aboutform::lblCopyright).text = shownLegalNotice(facts_.legalNotice);
  form_(aboutform::lblregname).text = orFallback(facts_.owner, "Unregistered Name");
  form_(aboutform::lblregcompany).text = orFallback(facts_.organisation, "Unregistered Company");
  form_(aboutform::lblregserial).text = orFallback(facts_.productId, "0000-0000-0000-0000");
  form_(aboutform::txtLicense).text = licenceText();
  form_(aboutform::lblHomePage).toolTip = facts_.homePageUrl;
  // A link with nowhere to go is not offered at all.
  form_(aboutform::cmdUpdate).visible = !facts_.updateUrl.isEmpty();
  form_(aboutform::lblHomePage).visible = !facts_.homePageUrl.isEmpty();
  form_(aboutform::lblEMail).visible = !facts_.email.isEmpty();
}

void AboutForm::cmdUpdate_Click() { opener_.open(QUrl(facts_.updateUrl)); }

void AboutForm::lblEMail_Click() {
  opener_.open(QUrl(QStringLiteral("mailto:") + facts_.email + QStringLiteral("?subject=I have question on ") +
                    form_.text(aboutform::lblTitle)));
}

// The address is the one the label's tool tip shows, so a pack that retargets the tip
// retargets the link.
void AboutForm::lblHomePage_Click() {
  opener_.open(QUrl(std::as_const(form_).find(aboutform::lblHomePage)->toolTip));
}

}  // namespace shell
