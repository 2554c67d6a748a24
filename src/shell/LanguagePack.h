// The language pack the program holds: the window texts (captions and tool tips) of one
// ".lpk" file, read once and applied to each window by control name, and the texts of its
// messages and its language, which the main window puts in use. One object serves
// the whole program; the main window owns it and the other windows reach it through the
// main window.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "catalogue/Form.h"
#include "platform/EventPump.h"
#include "platform/Messages.h"

namespace shell {

class clsLanguagePack {
 public:
  struct Entry {
    QString Name;  // as the pack writes it: cmdadd, optmain(1)
    QString Caption;
    QString ToolTip;
  };
  struct Section {
    QString Name;  // the window's name, compared with letter case
    QString Caption;
    QList<Entry> entries;
  };

  // `messages` tells about a missing language folder; `pump` runs between two names listed.
  clsLanguagePack(platform::Messages& messages, platform::EventPump& pump) : messages_(messages), pump_(pump) {}

  // Every window's texts in every language fit in a small part of this.
  static constexpr qint64 maxPackSize = 1024 * 1024;

  // The path of the pack loaded last; empty until one was loaded.
  QString CurrentFile;

  // Replaces what is held by the sections of `sFile` (UTF-8 text). A file that cannot be
  // opened, is no regular file or is larger than `maxPackSize` leaves nothing held.
  void LoadLanguagePack(const QString& sFile);
  // The texts of the section named as the window, applied to its records; a window the
  // pack has no section for keeps its texts.
  void SetLanguageInForm(catalogue::Form& frmForm) const;
  // The files of `sFolder` matching `sExtension` ("*.lpk"), joined by "|", sorted by name
  // with letter case ignored so the list reads the same on every machine. A missing folder
  // is reported and gives "".
  QString EnumLanguagePacks(const QString& sFolder, const QString& sExtension);

  void CarregaPacotedeLinguagem(const QString& sArquivo) { LoadLanguagePack(sArquivo); }
  void SetaLinguagemnoForm(catalogue::Form& frmForm) const { SetLanguageInForm(frmForm); }
  QString EnumeraPacotesdeLinguagem(const QString& sDiretorio, const QString& sExtensao) {
    return EnumLanguagePacks(sDiretorio, sExtensao);
  }

  const QList<Section>& sections() const { return sections_; }
  // The texts of the pack's [messages] section by key, as written (see platform::Msg);
  // the table checks each before it uses one.
  const QHash<QString, QString>& messages() const { return messageTexts_; }
  // The language of the pack's [pack] section ("de", "pt_BR"), for the toolkit's own
  // texts; empty when it names none.
  const QString& locale() const { return locale_; }

 private:
  static bool DirectoryExists(const QString& folder);

  platform::Messages& messages_;
  platform::EventPump& pump_;
  QList<Section> sections_;
  QHash<QString, QString> messageTexts_;
  QString locale_;
};

}  // namespace shell
