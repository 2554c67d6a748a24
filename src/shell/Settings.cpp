// Numbers are kept as their decimal text; positions and sizes in twips may carry a fraction
// written with the user's decimal separator, so they are read in the user's format first.
#include "shell/Settings.h"

#include <cmath>
#include <limits>
#include <optional>

#include "catalogue/Numbers.h"
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

}  // namespace

void restoreSettings(catalogue::Form& form, const platform::SettingsStore& store, const SettingsHooks& hooks) {
  const Reader read(store);
  form(mainform::txtdir).text = read.text(QStringLiteral("Last Path"), hooks.programFolder);
  form(mainform::txtpattern).text = read.text(QStringLiteral("Pattern"), QStringLiteral("*.*"));

  // A minimised or maximised window cannot take a size or a place: those settings are
  // skipped and the window keeps its normal size and place.
  catalogue::Control& window = form(mainform::frmmain);
  if (const auto v = read.integer(QStringLiteral("WindowState"), window.value); v && *v >= 0 && *v <= 2)
    window.value = *v;
  if (window.value == 0) {
    QRect normal = window.geometry;
    const auto twips = [&read](const char* key, int now) -> std::optional<int> {
      const auto v = read.real(QString::fromLatin1(key), now);
      if (!v || std::fabs(*v) > 1e9) return std::nullopt;
      return int(std::lround(*v));
    };
    if (const auto v = twips("Width", normal.width()); v && *v > 0) normal.setWidth(*v);
    if (const auto v = twips("Height", normal.height()); v && *v > 0) normal.setHeight(*v);
    if (const auto v = twips("Top", 0)) normal.moveTop(*v);
    if (const auto v = twips("Left", 0)) normal.moveLeft(*v);
    window.geometry = normal;
    if (hooks.normalGeometry) *hooks.normalGeometry = normal;
  }

  if (const auto v = read.integer(QStringLiteral("Limit"), 1)) pick(form(mainform::txtlimit), *v);
  if (const auto v = read.integer(QStringLiteral("LangPacks"), 1)) pick(form(mainform::cboLangPacks), *v);
  if (hooks.txtlimit_Change) hooks.txtlimit_Change();
  if (const auto v = read.boolean(QStringLiteral("Inclusive"), true)) {
    form(mainform::optmain, 0).value = *v ? 1 : 0;
    form(mainform::optmain, 1).value = *v ? 0 : 1;
  }
  form(mainform::cbospeed).text = read.text(QStringLiteral("Last Speed"), QStringLiteral("1x"));
  if (const auto v = read.integer(QStringLiteral("NoCD"), 1)) form(mainform::chkNoCD).value = *v;

  if (const auto count = read.integer(QStringLiteral("Items"), 0, dirSection)) {
    QStringList& history = form(mainform::txtdir).items;
    for (int n = 1; n <= *count; ++n) {
      const QString entry = read.text(QStringLiteral("Item ") + QString::number(n), QStringLiteral("0"), dirSection);
      if (!entry.isEmpty()) history.append(entry);
    }
  }
  if (const auto v = read.integer(QStringLiteral("Recurse Subs"), 1)) form(mainform::chkrecurse).value = *v;
  if (const auto v = read.real(QStringLiteral("Sep"), 4160); v && std::fabs(*v) < 1e9)
    form(mainform::PicSep).geometry.moveTop(int(std::lround(*v)));
}

void saveSettings(catalogue::Form& form, platform::SettingsStore& store, const SettingsHooks& hooks) {
  const auto write = [&store](const QString& key, const QString& text, const QString& section = mainSection) {
    store.write(application, section, key, text);
  };
  const auto number = [](int value) { return QString::number(value); };
  const catalogue::Form& records = form;
  const auto control = [&records](catalogue::ControlId id, int index = -1) { return *records.find(id, index); };

  write(QStringLiteral("Last Path"), control(mainform::txtdir).text);
  write(QStringLiteral("WindowState"), number(control(mainform::frmmain).value));
  write(QStringLiteral("Limit"), number(control(mainform::txtlimit).value));
  write(QStringLiteral("LangPacks"), number(control(mainform::cboLangPacks).value));
  write(QStringLiteral("Sep"), number(control(mainform::PicSep).geometry.top()));
  // The values that follow describe the window in its normal state, whatever its state now.
  catalogue::Control& window = form(mainform::frmmain);
  window.value = 0;
  if (hooks.normalGeometry) window.geometry = *hooks.normalGeometry;
  write(QStringLiteral("Width"), number(window.geometry.width()));
  write(QStringLiteral("Height"), number(window.geometry.height()));
  write(QStringLiteral("Top"), number(window.geometry.top()));
  write(QStringLiteral("Left"), number(window.geometry.left()));
  write(QStringLiteral("Last Speed"), control(mainform::cbospeed).text);
  const QStringList& history = control(mainform::txtdir).items;
  write(QStringLiteral("Items"), number(int(history.size())), dirSection);
  write(QStringLiteral("Recurse Subs"), number(control(mainform::chkrecurse).value));
  write(QStringLiteral("NoCD"), number(control(mainform::chkNoCD).value));
  write(QStringLiteral("Pattern"), control(mainform::txtpattern).text);
  write(QStringLiteral("Inclusive"), control(mainform::optmain, 0).value != 0 ? QStringLiteral("True") : QStringLiteral("False"));
  for (int i = 0; i < history.size(); ++i) write(QStringLiteral("Item ") + number(i + 1), history[i], dirSection);
  // The window is gone by now, so the one who closed it learns of a failed save on standard error.
  if (!store.flush())
    platform::StderrMessages().show(settingsApplication,
                                    QStringLiteral("The settings could not be saved to %1. The file was left as it was.")
                                        .arg(store.failure()),
                                    platform::MessageIcon::Exclamation);
}

}  // namespace shell
