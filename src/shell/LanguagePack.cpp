// Loading a language pack, applying it to a window and listing the packs of a folder.
//
// Every line of a pack is taken by its text alone: a pack written by hand may hold
// anything, and whatever does not read as a section, a caption, a tool tip or a message
// text is passed over without a word. A pack is read only when it is a regular file of sane size: a pipe
// or a device in the language folder would block the start, a huge file stall it.
#include "shell/LanguagePack.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

#include "catalogue/Numbers.h"
#include "catalogue/ProgramTitle.h"
#include "catalogue/Wildcard.h"
#include "platform/FolderListing.h"
#include "platform/MessageTexts.h"
#include "platform/RegularFile.h"
#include "shell/PackFields.h"

namespace shell {

namespace {

using catalogue::ControlKind;

// A caption or tool tip value: from the second character after the first "=" (the "="
// and the opening quote). A comma inside the value ended the field, so the fields that
// follow are joined back with ", " until one ends with the closing quote, which is dropped.
// A quote that never comes ends the value with the text.
std::optional<QString> readValue(const QString& field, PackFields& fields) {
  const qsizetype equals = field.indexOf(u'=');
  if (equals < 0) return std::nullopt;
  QString value = field.mid(equals + 2);
  while (!value.endsWith(u'"')) {
    const std::optional<QString> more = fields.next();
    if (!more) break;
    value += QStringLiteral(", ") + *more;
  }
  if (value.endsWith(u'"')) value.chop(1);
  return value;
}

// A message text as a pack writes it: "\n", "\r" and "\t" stand for a line feed, a
// carriage return and a tab, "\"" for a quote (one after a comma would start a quoted
// field) and "\\" for a backslash; any other backslash is itself.
QString unescaped(const QString& written) {
  QString text;
  text.reserve(written.size());
  for (qsizetype i = 0; i < written.size(); ++i) {
    const QChar c = written[i];
    if (c != u'\\' || i + 1 == written.size()) {
      text += c;
      continue;
    }
    switch (written[i + 1].unicode()) {
      case 'n': text += u'\n'; break;
      case 'r': text += u'\r'; break;
      case 't': text += u'\t'; break;
      case '"': text += u'"'; break;
      case '\\': text += u'\\'; break;
      default: text += c; continue;
    }
    ++i;
  }
  return text;
}

// "key=value" of the [messages] and [pack] sections: the key, and the value, quoted as a
// caption is or bare to the end of the field.
std::optional<std::pair<QString, QString>> keyAndValue(const QString& field, PackFields& fields) {
  const qsizetype equals = field.indexOf(u'=');
  if (equals <= 0) return std::nullopt;
  const QString key = field.left(equals).trimmed();
  if (equals + 1 < field.size() && field[equals + 1] == u'"') {
    const std::optional<QString> value = readValue(field, fields);
    if (!value) return std::nullopt;
    return std::pair{key, unescaped(*value)};
  }
  return std::pair{key, unescaped(field.mid(equals + 1).trimmed())};
}

// A locale is letters with "_" or "-" between them ("de", "pt_BR"): it becomes part of a
// file name, so nothing else is taken.
bool isLocaleName(const QString& name) {
  static const QRegularExpression shape(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{2,8})?$"));
  return shape.match(name).hasMatch();
}

bool hasCaption(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::PictureButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Frame:
    case ControlKind::MenuEntry:
    case ControlKind::CheckEntry:
    case ControlKind::Column:
    case ControlKind::Menu:
      return true;
    default:
      return false;
  }
}

// The record of `name` and `index` as a pack names it: nothing for a name the window lacks.
catalogue::Control* control(catalogue::Form& form, const QString& name, int index) {
  return form.findNamed(name, index);
}

// The leading number after the last "(" as a 32-bit index; nothing when it does not fit.
std::optional<int> arrayIndex(const QString& entryName) {
  const double number = std::trunc(catalogue::leadingNumber(entryName.mid(entryName.lastIndexOf(u'(') + 1)));
  if (!(number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())) return std::nullopt;
  return int(number);
}

void apply(catalogue::Form& form, const clsLanguagePack::Entry& entry) {
  // Tabs have no records in these windows, so a tab caption has nothing to change.
  if (entry.Name.toUpper().contains(QStringLiteral(".TABCAPTION("))) return;
  if (entry.Name.contains(u')')) {
    const std::optional<int> index = arrayIndex(entry.Name);
    if (!index || *index < 0) return;
    catalogue::Control* element = control(form, entry.Name.left(entry.Name.indexOf(u'(')), *index);
    if (element && hasCaption(element->kind)) element->text = entry.Caption;
    return;
  }
  catalogue::Control* c = control(form, entry.Name, -1);
  if (!c) return;
  if (!entry.Caption.isEmpty() && hasCaption(c->kind)) c->text = entry.Caption;
  if (!entry.ToolTip.isEmpty() && catalogue::isWidgetKind(c->kind)) c->toolTip = entry.ToolTip;
}

}  // namespace

void clsLanguagePack::LoadLanguagePack(const QString& sFile) {
  CurrentFile = sFile;
  sections_.clear();
  messageTexts_.clear();
  locale_.clear();
  const std::optional<QByteArray> text = platform::readRegularFile(sFile, maxPackSize);
  if (!text) return;
  PackFields fields(QString::fromUtf8(*text));
  // The two sections that are no window: the pack's language and its message texts.
  enum class Part { Between, Window, Header, Messages } part = Part::Between;
  while (const std::optional<QString> next = fields.next()) {
    const QString& field = *next;
    const bool inSection = part == Part::Window;
    if (field.isEmpty() || field.startsWith(u';')) continue;
    if (field.startsWith(u'[') && field.endsWith(QStringLiteral(".End]"))) {
      part = Part::Between;
    } else if (field.startsWith(u'[') && field.endsWith(u']')) {
      const QString name = field.mid(1, field.size() - 2);
      part = name == u"pack" ? Part::Header : name == u"messages" ? Part::Messages : Part::Window;
      if (part == Part::Window) sections_.append(Section{name, QString(), {}});
    } else if (part == Part::Header || part == Part::Messages) {
      const auto entry = keyAndValue(field, fields);
      if (!entry) continue;
      if (part == Part::Messages)
        messageTexts_.insert(entry->first, entry->second);
      else if (entry->first == u"Locale" && isLocaleName(entry->second))
        locale_ = entry->second;
    } else if (field.startsWith(QStringLiteral("Caption"))) {
      // A window caption is the field as it stands: it ends at its first comma.
      const qsizetype equals = field.indexOf(u'=');
      if (equals >= 0 && !sections_.isEmpty())
        sections_.back().Caption = field.mid(equals + 2, qMax(qsizetype(0), field.size() - 1 - (equals + 2)));
    } else if (const qsizetype at = field.indexOf(QStringLiteral(".Caption")); at >= 0) {
      const std::optional<QString> value = readValue(field, fields);
      if (inSection && value) sections_.back().entries.append(Entry{field.left(at), *value, QString()});
    } else if (const qsizetype tip = field.indexOf(QStringLiteral(".ToolTip")); tip >= 0) {
      const std::optional<QString> value = readValue(field, fields);
      // A tool tip belongs to the entry before it; one that comes first has none to go to.
      if (inSection && value && !sections_.back().entries.isEmpty()) {
        Entry& last = sections_.back().entries.back();
        last.Name = field.left(tip);
        last.ToolTip = *value;
      }
    }
  }
}

void clsLanguagePack::SetLanguageInForm(catalogue::Form& frmForm) const {
  const auto window = std::find_if(frmForm.controls().begin(), frmForm.controls().end(),
                                   [](const catalogue::Control& c) { return c.kind == ControlKind::Window; });
  if (window == frmForm.controls().end()) return;
  const auto section =
      std::find_if(sections_.begin(), sections_.end(), [&](const Section& s) { return s.Name == window->name; });
  if (section == sections_.end()) return;
  frmForm.findNamed(window->name, window->index)->text = section->Caption;
  for (const Entry& entry : section->entries) apply(frmForm, entry);
}

bool clsLanguagePack::DirectoryExists(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && QDir(folder).isReadable();
}

QString clsLanguagePack::EnumLanguagePacks(const QString& sFolder, const QString& sExtension) {
  if (!DirectoryExists(sFolder)) {
    messages_.show(catalogue::programTitle, platform::text(platform::Msg::FolderMissing).arg(sFolder),
                   platform::MessageIcon::Critical);
    return QString();
  }
  const catalogue::WildcardList pattern(sExtension, catalogue::WildcardList::Syntax::Listing);
  const auto files = platform::listFiles(
      sFolder, [&pattern](const QString& name) { return pattern.matches(name); }, pump_);
  if (!files) return QString();
  QStringList names;
  for (const platform::ListedFile& file : *files) names.append(file.name);
  return names.join(u'|');
}

}  // namespace shell
