// Numbers are kept as their decimal text; positions and sizes in twips may carry a fraction
// written with the user's decimal separator, so they are read in the user's format first.
#include "shell/Settings.h"

#include <cmath>
#include <limits>
#include <optional>
#include <variant>

#include "catalogue/Numbers.h"
#include "platform/MessageTexts.h"
#include "platform/Messages.h"
#include "shell/MainFormControls.h"

namespace shell {

namespace {

const QString& application = settingsApplication;
const QString dirSection = QStringLiteral("Dir List");

// Each read passes the default of its setting, which then goes through the same
// conversion as a stored text.
class Reader {
 public:
  explicit Reader(const platform::SettingsStore& store) : store_(store) {}

  QString text(const QString& key, const QString& defaultText, const QString& section = mainSection) const {
    return store_.read(application, section, key, defaultText);
  }
  // A whole number of 16 bits; a fraction rounds half to even, as such a conversion does.
  std::optional<int> integer(const QString& key, double defaultValue, const QString& section = mainSection) const {
    const std::optional<double> number = real(key, defaultValue, section);
    if (!number) return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
      return std::nullopt;
    return int(rounded);
  }
  std::optional<double> real(const QString& key, double defaultValue, const QString& section = mainSection) const {
    const std::optional<double> number =
        catalogue::userNumber(text(key, catalogue::userNumberText(defaultValue), section));
    if (!number || !std::isfinite(*number) || std::fabs(*number) > std::numeric_limits<float>::max())
      return std::nullopt;
    return number;
  }
  // The words True and False in any case, or a number where anything but 0 is true.
  std::optional<bool> boolean(const QString& key, bool defaultValue) const {
    const QString word = text(key, defaultValue ? QStringLiteral("True") : QStringLiteral("False")).trimmed();
    if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
    if (word.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
    const std::optional<double> number = catalogue::userNumber(word);
    if (!number) return std::nullopt;
    return *number != 0;
  }

 private:
  const platform::SettingsStore& store_;
};

// Picks entry `index` of a combo box's list; -1 leaves no entry picked and the box empty.
bool pick(catalogue::Control& box, int index) {
  if (index < -1 || index >= box.items.size()) return false;
  box.value = index;
  box.text = index < 0 ? QString() : box.items[index];
  return true;
}

// How a setting is stored: the conversion its text goes through when it is read.
enum class Type { Text, Integer, Boolean, Twips };

// Where a setting lives in the records.
enum class Field {
  Text,          // the record's text
  StartFolder,   // the folder box's text; by default the program's folder
  Value,         // the record's value
  Check,         // the record's value, a check mark: 1 or 0, any other number leaves it as it is
  Pick,          // the index of the entry picked in a combo box
  Option,        // True for the first of an option pair, False for the second
  Top,           // the record's top edge
  WindowState,   // 0 normal, 1 minimised, 2 maximised
  NormalWidth,   // the window in its normal state; kept only while it is in that state,
  NormalHeight,  // as a minimised or maximised window cannot take a size or a place
  NormalTop,
  NormalLeft,
  HistoryCount,  // the folder box's list: its length, then one "Item n" per entry
  HistoryEntries,
};

// The saved language and limit go first: the limit in bytes follows them (with the
// language applied) before the rest is restored, the new captions laid out on the restored
// window.
enum class Phase { BeforeLimit, AfterLimit };

// The default when the key is missing or unreadable: a text, a number, a truth value, or
// what the record holds before the restore.
using Default = std::variant<std::monostate, const char*, double, bool>;
constexpr std::monostate asItIs;

struct Setting {
  const char* key;
  Type type;
  Default fallback;
  catalogue::ControlId control;
  Field field;
  Phase phase;
  const QString& section = mainSection;
};

// Every setting, in the order the settings file has them; a new setting is one row.
const Setting settings[] = {
    {"Last Path", Type::Text, asItIs, mainform::txtdir, Field::StartFolder, Phase::BeforeLimit},
    {"WindowState", Type::Integer, asItIs, mainform::frmmain, Field::WindowState, Phase::BeforeLimit},
    {"Limit", Type::Integer, 1.0, mainform::txtlimit, Field::Pick, Phase::BeforeLimit},
    {"LangPacks", Type::Integer, 1.0, mainform::cboLangPacks, Field::Pick, Phase::BeforeLimit},
    {"Sep", Type::Twips, 4160.0, mainform::PicSep, Field::Top, Phase::AfterLimit},
    {"Width", Type::Twips, asItIs, mainform::frmmain, Field::NormalWidth, Phase::BeforeLimit},
    {"Height", Type::Twips, asItIs, mainform::frmmain, Field::NormalHeight, Phase::BeforeLimit},
    {"Top", Type::Twips, 0.0, mainform::frmmain, Field::NormalTop, Phase::BeforeLimit},
    {"Left", Type::Twips, 0.0, mainform::frmmain, Field::NormalLeft, Phase::BeforeLimit},
    {"Last Speed", Type::Text, "1x", mainform::cbospeed, Field::Text, Phase::AfterLimit},
    {"Items", Type::Integer, 0.0, mainform::txtdir, Field::HistoryCount, Phase::AfterLimit, dirSection},
    {"Recurse Subs", Type::Integer, 1.0, mainform::chkrecurse, Field::Value, Phase::AfterLimit},
    {"NoCD", Type::Integer, 1.0, mainform::chkNoCD, Field::Value, Phase::AfterLimit},
    {"Pattern", Type::Text, "*.*", mainform::txtpattern, Field::Text, Phase::BeforeLimit},
    {"Inclusive", Type::Boolean, true, mainform::optmain, Field::Option, Phase::AfterLimit},
    {"Count On Disc", Type::Integer, 0.0, mainform::mnudisc, Field::Check, Phase::AfterLimit},
    {"Keep Folders Together", Type::Integer, 0.0, mainform::mnutogether, Field::Check, Phase::AfterLimit},
    {"Item ", Type::Text, "0", mainform::txtdir, Field::HistoryEntries, Phase::AfterLimit, dirSection},
};

// Whether a number read is one the record's value can take: a window state 0 to 2, a check
// mark 0 or 1; any number for the other values.
bool takes(Field field, int number) {
  if (field == Field::WindowState) return number >= 0 && number <= 2;
  if (field == Field::Check) return number == 0 || number == 1;
  return true;
}

bool isNormalPlace(Field field) { return field >= Field::NormalWidth && field <= Field::NormalLeft; }

// The record's value in whole units, the place of the window in its normal state taken
// from `normal`.
int numberOf(const catalogue::Form& form, const Setting& s, const QRect& normal) {
  const catalogue::Control& c = *form.find(s.control, s.field == Field::Option ? 0 : -1);
  switch (s.field) {
    case Field::Top: return c.geometry.top();
    case Field::NormalWidth: return normal.width();
    case Field::NormalHeight: return normal.height();
    case Field::NormalTop: return normal.top();
    case Field::NormalLeft: return normal.left();
    case Field::HistoryCount: return int(c.items.size());
    default: return c.value;
  }
}

// What a restore carries from one setting to a later one.
struct Restoring {
  QRect normal;
  int historyCount = 0;
};

void restore(catalogue::Form& form, const Reader& read, const Setting& s, Restoring& r, const SettingsHooks& hooks) {
  const QString key = QString::fromLatin1(s.key);
  catalogue::Control& c = form(s.control, s.field == Field::Option ? 0 : -1);
  const double now = numberOf(form, s, r.normal);
  const double fallback = std::holds_alternative<double>(s.fallback) ? std::get<double>(s.fallback) : now;
  switch (s.type) {
    case Type::Text: {
      const QString byDefault = s.field == Field::StartFolder
                                    ? hooks.programFolder
                                    : QString::fromLatin1(std::get<const char*>(s.fallback));
      if (s.field != Field::HistoryEntries) {
        c.text = read.text(key, byDefault, s.section);
        return;
      }
      for (int n = 1; n <= r.historyCount; ++n) {
        const QString entry = read.text(key + QString::number(n), byDefault, s.section);
        if (!entry.isEmpty()) c.items.append(entry);
      }
      return;
    }
    case Type::Boolean:
      if (const auto v = read.boolean(key, std::get<bool>(s.fallback))) {
        c.value = *v ? 1 : 0;
        form(s.control, 1).value = *v ? 0 : 1;
      }
      return;
    case Type::Integer: {
      const auto v = read.integer(key, fallback, s.section);
      if (!v) return;
      if (s.field == Field::Pick) pick(c, *v);
      else if (s.field == Field::HistoryCount) r.historyCount = *v;
      else if (takes(s.field, *v)) c.value = *v;
      return;
    }
    case Type::Twips: {
      const auto v = read.real(key, fallback, s.section);
      if (s.field == Field::Top) {
        if (v && std::fabs(*v) < 1e9) c.geometry.moveTop(int(std::lround(*v)));
        return;
      }
      if (!v || std::fabs(*v) > 1e9) return;
      const int twips = int(std::lround(*v));
      if (s.field == Field::NormalWidth && twips > 0) r.normal.setWidth(twips);
      if (s.field == Field::NormalHeight && twips > 0) r.normal.setHeight(twips);
      if (s.field == Field::NormalTop) r.normal.moveTop(twips);
      if (s.field == Field::NormalLeft) r.normal.moveLeft(twips);
      return;
    }
  }
}

}  // namespace

void restoreSettings(catalogue::Form& form, const platform::SettingsStore& store, const SettingsHooks& hooks) {
  const Reader read(store);
  catalogue::Control& window = form(mainform::frmmain);
  Restoring restoring{window.geometry};
  for (const Phase phase : {Phase::BeforeLimit, Phase::AfterLimit}) {
    for (const Setting& s : settings)
      if (s.phase == phase && !(isNormalPlace(s.field) && window.value != 0)) restore(form, read, s, restoring, hooks);
    if (phase != Phase::BeforeLimit) continue;
    if (window.value == 0) {
      window.geometry = restoring.normal;
      if (hooks.normalGeometry) *hooks.normalGeometry = restoring.normal;
    }
    if (hooks.txtlimit_Change) hooks.txtlimit_Change();
  }
}

void saveSettings(catalogue::Form& form, platform::SettingsStore& store, const SettingsHooks& hooks) {
  // The window is saved in its normal state, whatever its state now; only WindowState
  // tells the state it is in.
  catalogue::Control& window = form(mainform::frmmain);
  const int state = window.value;
  window.value = 0;
  if (hooks.normalGeometry) window.geometry = *hooks.normalGeometry;
  for (const Setting& s : settings) {
    const QString key = QString::fromLatin1(s.key);
    const catalogue::Control& c = *form.find(s.control, s.field == Field::Option ? 0 : -1);
    if (s.field == Field::HistoryEntries) {
      for (int i = 0; i < c.items.size(); ++i)
        store.write(application, s.section, key + QString::number(i + 1), c.items[i]);
    } else if (s.type == Type::Text) {
      store.write(application, s.section, key, c.text);
    } else if (s.type == Type::Boolean) {
      store.write(application, s.section, key, c.value != 0 ? QStringLiteral("True") : QStringLiteral("False"));
    } else {
      const int number = s.field == Field::WindowState ? state : numberOf(form, s, window.geometry);
      store.write(application, s.section, key, QString::number(number));
    }
  }
  // The window is gone by now, so the one who closed it learns of a failed save on standard error.
  if (!store.flush())
    platform::StderrMessages().show(settingsApplication,
                                    platform::text(platform::Msg::SettingsNotSaved).arg(store.failure()),
                                    platform::MessageIcon::Exclamation);
}

}  // namespace shell
