// The toolkit's own texts (the standard buttons of message boxes, the file dialogs) in the
// language of the pack picked, from the translations Qt installs beside itself.
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

namespace windows {

class QtTranslation {
 public:
  QtTranslation() = default;
  Q_DISABLE_COPY_MOVE(QtTranslation)
  ~QtTranslation();

  // Qt's translations of `locale` ("de", "pt_BR") in use in place of any before; none for
  // an empty locale, or one Qt has no translations of, so its texts are English again.
  void follow(const QString& locale);

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace windows
