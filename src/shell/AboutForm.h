// The About window's state: its records, what the build and the system say about this
// copy, and the handlers of its links. Closing the window is the window's own business.
#pragma once

#include <QString>
#include <functional>

#include "catalogue/Form.h"
#include "platform/LinkOpener.h"

namespace shell {

// What the About window shows and links to. Empty texts fall back as the window says.
struct AboutFacts {
  QString version;  // the project's, such as "0.1.0"
  QString legalNotice;  // "\n" (backslash, n) starts a new line, "(c)" is the copyright sign
  QString owner;
  QString organisation;
  QString productId;
  QString updateUrl;
  QString homePageUrl;
  QString email;
};

// The facts of this build and of the user running it; this system keeps no organisation
// or product id.
AboutFacts aboutFactsOfThisCopy();
// A legal notice as shown: every "\n" becomes CR LF, then every "(c)" the copyright sign.
QString shownLegalNotice(const QString& notice);
// The program's licence, as shipped inside it.
QString licenceText();

class AboutForm {
 public:
  AboutForm(AboutFacts facts, platform::LinkOpener& opener, const std::function<void(catalogue::Form&)>& applyLanguage);

  catalogue::Form& form() { return form_; }
  const catalogue::Form& form() const { return form_; }

  void cmdUpdate_Click();
  void lblEMail_Click();
  void lblHomePage_Click();

 private:
  void Form_Load(const std::function<void(catalogue::Form&)>& applyLanguage);

  catalogue::Form form_;
  AboutFacts facts_;
  platform::LinkOpener& opener_;
};

}  // namespace shell
