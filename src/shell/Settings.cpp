// Numbers are kept as their decimal text; positions and sizes in twips may carry a fraction
// written with the user's decimal separator, so they are read in the user's format first.
#include "shell/Settings.h"

#include <cmath>
#include <limits>
#include <optional>

#include "catalogue/Numbers.h"

namespace shell {

namespace {

const QString application = QStringLiteral("Fillpack");
const QString mainSection = QStringLiteral("Main");
const QString dirSection = QStringLiteral("Dir List");

class Reader {
 public:
  explicit Reader(const platform::SettingsStore& store) : store_(store) {}

  // Nothing when the key is missing: the control keeps what it has.
  std::optional<QString> text(const QString& key, const QString& section = mainSection) const {
    const QString missing = QStringLiteral("\x01missing");
    const QString value = store_.read(application, section, key, missing);
    if (value == missing) return std::nullopt;
    return value;
  }
  // A whole number of 16 bits; a fraction rounds half to even, as such a conversion does.
  std::optional<int> integer(const QString& key, const QString& section = mainSection) const {
    const std::optional<double> number = real(key, section);
    if (!number) return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
      return std::nullopt;
    return int(rounded);
  }
  std::optional<double> real(const QString& key, const QString& section = mainSection) const {
    const std::optional<QString> value = text(key, section);
    if (!value) return std::nullopt;
    const std::optional<double> number = catalogue::userNumber(*value);
    if (!number || !std::isfinite(*number) || std::fabs(*number) > std::numeric_limits<float>::max())
      return std::nullopt;
    return number;
  }
  // The words True and False in any case, or a number where anything but 0 is true.
  std::optional<bool> boolean(const QString& key) const {
    const std::optional<QString> value = text(key);
    if (!value) return std::nullopt;
    const QString word = value->trimmed();
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

}  // namespace

void restoreSettings(catalogue::Form& form, const platform::SettingsStore& store, const SettingsHooks& hooks) {
  const Reader read(store);
  if (const auto v = read.text(QStringLiteral("Last Path"))) form(QStringLiteral("txtdir")).text = *v;
  if (const auto v = read.text(QStringLiteral("Pattern"))) form(QStringLiteral("txtpattern")).text = *v;

  // A minimised or maximised window cannot take a size or a place: those settings are
  // skipped and the window keeps its normal size and place.
  catalogue::Control& window = form(QStringLiteral("frmmain"));
  if (const auto v = read.integer(QStringLiteral("WindowState")); v && *v >= 0 && *v <= 2) window.value = *v;
  if (window.value == 0) {
    QRect normal = window.geometry;
    if (const auto v = read.real(QStringLiteral("Width")); v && *v > 0) normal.setWidth(int(std::lround(*v)));
    if (const auto v = read.real(QStringLiteral("Height")); v && *v > 0) normal.setHeight(int(std::lround(*v)));
    if (const auto v = read.real(QStringLiteral("Top"))) normal.moveTop(int(std::lround(*v)));
    if (const auto v = read.real(QStringLiteral("Left"))) normal.moveLeft(int(std::lround(*v)));
    window.geometry = normal;
    if (hooks.normalGeometry) *hooks.normalGeometry = normal;
  }

  if (const auto v = read.integer(QStringLiteral("Limit"))) pick(form(QStringLiteral("txtlimit")), *v);
  if (const auto v = read.integer(QStringLiteral("LangPacks"))) pick(form(QStringLiteral("cboLangPacks")), *v);
  if (hooks.txtlimit_Change) hooks.txtlimit_Change();
  if (const auto v = read.boolean(QStringLiteral("Inclusive"))) {
    form(QStringLiteral("optmain"), 0).value = *v ? 1 : 0;
    form(QStringLiteral("optmain"), 1).value = *v ? 0 : 1;
  }
  if (const auto v = read.text(QStringLiteral("Last Speed"))) form(QStringLiteral("cbospeed")).text = *v;
  if (const auto v = read.integer(QStringLiteral("NoCD"))) form(QStringLiteral("chkNoCD")).value = *v;

  if (const auto count = read.integer(QStringLiteral("Items"), dirSection)) {
    QStringList& history = form(QStringLiteral("txtdir")).items;
    for (int n = 1; n <= *count; ++n) {
      const QString entry =
          store.read(application, dirSection, QStringLiteral("Item ") + QString::number(n), QStringLiteral("0"));
      if (!entry.isEmpty()) history.append(entry);
    }
  }
  if (const auto v = read.integer(QStringLiteral("Recurse Subs"))) form(QStringLiteral("chkrecurse")).value = *v;
  if (const auto v = read.real(QStringLiteral("Sep"))) form(QStringLiteral("PicSep")).geometry.moveTop(int(std::lround(*v)));
}

void saveSettings(catalogue::Form& form, platform::SettingsStore& store, const SettingsHooks& hooks) {
  const auto write = [&store](const QString& key, const QString& text, const QString& section = mainSection) {
    store.write(application, section, key, text);
  };
  const auto number = [](int value) { return QString::number(value); };
  const catalogue::Form& records = form;
  const auto control = [&records](const char* name, int index = -1) { return *records.find(QString::fromLatin1(name), index); };

  write(QStringLiteral("Last Path"), control("txtdir").text);
  write(QStringLiteral("WindowState"), number(control("frmmain").value));
  write(QStringLiteral("Limit"), number(control("txtlimit").value));
  write(QStringLiteral("LangPacks"), number(control("cboLangPacks").value));
  write(QStringLiteral("Sep"), number(control("PicSep").geometry.top()));
  // The values that follow describe the window in its normal state, whatever its state now.
  catalogue::Control& window = form(QStringLiteral("frmmain"));
  window.value = 0;
  if (hooks.normalGeometry) window.geometry = *hooks.normalGeometry;
  write(QStringLiteral("Width"), number(window.geometry.width()));
  write(QStringLiteral("Height"), number(window.geometry.height()));
  write(QStringLiteral("Top"), number(window.geometry.top()));
  write(QStringLiteral("Left"), number(window.geometry.left()));
  write(QStringLiteral("Last Speed"), control("cbospeed").text);
  const QStringList& history = control("txtdir").items;
  write(QStringLiteral("Items"), number(int(history.size())), dirSection);
  write(QStringLiteral("Recurse Subs"), number(control("chkrecurse").value));
  write(QStringLiteral("NoCD"), number(control("chkNoCD").value));
  write(QStringLiteral("Pattern"), control("txtpattern").text);
  write(QStringLiteral("Inclusive"), control("optmain", 0).value != 0 ? QStringLiteral("True") : QStringLiteral("False"));
  for (int i = 0; i < history.size(); ++i) write(QStringLiteral("Item ") + number(i + 1), history[i], dirSection);
  store.flush();
}

}  // namespace shell
