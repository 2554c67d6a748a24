// Start-up and close of the main window, and the window's own events: its size, place and
// state, the splitter, the limit box and the speed box.
#include <QRect>

#include "catalogue/Numbers.h"
#include "catalogue/ProgramTitle.h"
#include "catalogue/Utilization.h"
#include "platform/Burner.h"
#include "platform/MessageTexts.h"
#include "search/BurnTime.h"
#include "search/Limit.h"
#include "shell/CommandLine.h"
#include "shell/Instructions.h"
#include "shell/Layout.h"
#include "shell/MainForm.h"
#include "shell/MainFormControls.h"
#include "shell/Settings.h"
#include "shell/WindowPlace.h"

namespace shell {

namespace {

using catalogue::programTitle;

// The tool tips of the buttons as start-up sets them. Those that named a burner of another
// system name the one found here, or the burning program in general.
void setToolTips(catalogue::Form& form, const QString& burner) {
  const QString stop = QStringLiteral("Stop the intelligent search and use the most efficient results found so far");
  const struct {
    catalogue::ControlId name;
    int index;
    QString tip;
  } tips[] = {
      {mainform::cmdsave, -1, QStringLiteral("Save the current file list to a text file (for database usage or further use later)")},
      {mainform::cmdload, -1, QStringLiteral("Load a saved file list")},
      {mainform::cmdsearch, -1, QStringLiteral("Run a fast, search")},
      {mainform::cmdCopy, -1, QStringLiteral("Copy to folder and keep folder structure and push button ''Start %1''").arg(burner)},
      {mainform::cmdClipBoard, -1,
       QStringLiteral("Copy to clipboard and startup %1 and choose paste button in %1 (NB! this put all files on root)")
           .arg(burner)},
      {mainform::cmdhelp, -1, QStringLiteral("Read the Instructions")},
      {mainform::cmdAbout, -1, QStringLiteral("About..")},
      {mainform::cmddir, -1, QStringLiteral("Browse after directory")},
      {mainform::cmdadd, -1, QStringLiteral("Add current directory contents to the list")},
      {mainform::cmddel, -1, QStringLiteral("Remove current directory contents from the list")},
      {mainform::cmdburn, 1, QStringLiteral("Go to the desktop's CD burning folder")},
      {mainform::cmdburn, 0, platform::text(platform::Msg::StartBurnerTip).arg(burner)},
      {mainform::cmddelete, -1, QStringLiteral("Delete the files in the lower list box (cause you burned them to cd, right?)")},
      {mainform::cmdcdrom, 0, platform::text(platform::Msg::ScanDriveTip)},
      {mainform::cmdstop, -1, stop},
      {mainform::cmdstop2, -1, stop},
  };
  for (const auto& t : tips) {
    if (qstrcmp(t.name.name, mainform::cmdstop.name) == 0)  // the picture-only buttons show no caption
      for (const auto& [name, index] :
           {std::pair{mainform::cmddelete, -1}, std::pair{mainform::cmdburn, 1}, std::pair{mainform::cmdburn, 0}})
        form(name, index).text.clear();
    form(t.name, t.index).toolTip = t.tip;
  }
}

QString textFilter() {
  return platform::text(platform::Msg::TextFile) + QStringLiteral(" (*.txt)") + QChar(0) + QStringLiteral("*.txt") +
         QChar(0);
}

}  // namespace

MainForm::~MainForm() { platform::useTranslations({}); }

void MainForm::tellLabelWords() {
  // The status label's own caption, which the pack translates, is what it shows again after
  // a command's progress; while progress shows, it keeps the caption it had.
  catalogue::Control& current = form_(mainform::lblcurrent);
  if (form_.find(mainform::cmdstop)->tag.isEmpty()) current.tag = current.text;
  form_(mainform::lblpercent).tag = platform::text(platform::Msg::CdUtilization);
  form_(mainform::lblspeed).tag = platform::text(platform::Msg::ToBurn);
}

void MainForm::retellTexts() {
  tellLabelWords();
  // The tips the packs cannot hold: the burner's name is the machine's, the drive buttons
  // are made from the drives found.
  form_(mainform::cmdburn, 0).toolTip = platform::text(platform::Msg::StartBurnerTip).arg(burnerName(burner_));
  for (int i = 0; form_.find(mainform::cmdcdrom, i); ++i)
    form_(mainform::cmdcdrom, i).toolTip = platform::text(platform::Msg::ScanDriveTip);
  dialogs_.RetitleSaveDialog(textFilter(), platform::text(platform::Msg::SaveTitle));
  // Labels that show nothing yet keep showing nothing; the others say what they said again.
  if (!form_.text(mainform::lblCountList).isEmpty()) form_(mainform::lblCountList).text = catalogue_.upperSummary();
  if (!catalogue_.lstsec().isEmpty()) return showLowerList();
  // Under an empty lower list they show what they showed at start-up.
  if (!form_.text(mainform::lblpercent).isEmpty())
    form_(mainform::lblpercent).text =
        catalogue::utilizationPercent(0, capacity_.shownMegabytes) + form_.find(mainform::lblpercent)->tag;
  if (!form_.text(mainform::lblspeed).isEmpty()) cbospeed_Click();
  if (!form_.text(mainform::lblCountList2).isEmpty())
    form_(mainform::lblCountList2).text = platform::text(platform::Msg::NoMegabytes);
}

void MainForm::Form_Load(const QStringList& arguments, const platform::SettingsStore* settings) {
  // Looked for once: the tool tips, the burn button and the hand-off all name the burner
  // found now. The tool tips come before any pack, so that a pack's own tips replace them
  // also when the saved pack is the first one.
  burner_ = platform::findBurner();
  const std::optional<platform::Burner>& burner = burner_;
  setToolTips(form_, burnerName(burner));
  // The first pack found is applied now; the restore applies the saved one only when it
  // differs, so a start-up without settings still shows a pack.
  catalogue::Control& languages = form_(mainform::cboLangPacks);
  languages.items.clear();
  languages.value = -1;
  if (!services_.dataFolder.isEmpty()) {
    const QString found = languagePack_.EnumLanguagePacks(services_.dataFolder + QStringLiteral("/language"),
                                                          QStringLiteral("*.lpk"));
    for (const QString& name : found.split(u'|', Qt::SkipEmptyParts)) languages.items.append(name);
  }
  pickLanguage(0);
  // The layout moves these from where start-up puts them as the window grows.
  form_(mainform::cmdhelp).geometry.moveLeft(8630);
  form_(mainform::cmdAbout).geometry.moveLeft(9105);
  form_(mainform::imgLogo).geometry.moveLeft(7080);
  // The normal place until the restore or the user changes it.
  normalGeometry_ = form_.find(mainform::frmmain)->geometry;
  // The saved language is applied when it differs from the first, before the limit is
  // recomputed, as the restore reads it just before.
  const int firstLanguage = form_.find(mainform::cboLangPacks)->value;
  const auto languageThenLimit = [this, firstLanguage] {
    if (form_.find(mainform::cboLangPacks)->value != firstLanguage) cboLangPacks_Click();
    txtlimit_Change();
  };
  if (settings) restoreSettings(form_, *settings, SettingsHooks{languageThenLimit, &normalGeometry_, services_.programFolder});
  followSearchOptions();
  // The command line runs on the restored settings rather than before them: what a
  // switch sets stays in the window, and a switch that uses a value (a search, the
  // pattern of an Add) uses the one the window goes on to show.
  processcommandline(arguments, *this);
  if (run_.closing) return;
  // Placed for the restored window and splitter, every control with them.
  placesplitter(form_, captionWidth_);
  form_(mainform::cbospeed).items = search::speedList();
  CDROM_Load();
  // There is no burning folder of the desktop to open on this system.
  form_(mainform::cmdburn, 0).visible = burner.has_value();
  form_(mainform::cmdburn, 0).tag = burner ? burner->path : QString();
  form_(mainform::cmdburn, 1).visible = false;
  dialogs_.InitSaveDialog(textFilter(), platform::text(platform::Msg::SaveTitle), QString());
  flushLabels();
}

void MainForm::Form_Unload(platform::SettingsStore* settings) {
  if (settings) saveSettings(form_, *settings, SettingsHooks{{}, &normalGeometry_, services_.programFolder});
}

void MainForm::typeLimitText(const QString& text) {
  catalogue::Control& box = form_(mainform::txtlimit);
  box.text = text;
  box.value = int(box.items.indexOf(text));
  if (const std::optional<search::Capacity> capacity = search::typedCapacity(text)) showCapacity(*capacity);
}

void MainForm::txtlimit_LostFocus() { txtlimit_Change(); }

void MainForm::cbospeed_Click() {
  catalogue::Control& label = form_(mainform::lblspeed);
  const std::optional<quint8> speed = search::entrySpeed(form_.text(mainform::cbospeed));
  label.text = (speed ? search::speedEstimate(catalogue::listBytes(catalogue_.lstsec()), *speed) : QString()) +
               label.tag;
}

void MainForm::pickLanguage(int index) {
  catalogue::Control& languages = form_(mainform::cboLangPacks);
  if (index < 0 || index >= languages.items.size()) return;
  languages.value = index;
  languages.text = languages.items[index];
  cboLangPacks_Click();
}

void MainForm::cboLangPacks_Click() {
  catalogue::Control& languages = form_(mainform::cboLangPacks);
  // The window writes the picked text; the index follows it.
  languages.value = int(languages.items.indexOf(languages.text));
  if (languages.value < 0) return;
  languagePack_.LoadLanguagePack(services_.dataFolder + QStringLiteral("/language/") + languages.text);
  platform::useTranslations(services_.translatedMessages ? languagePack_.messages() : QHash<QString, QString>());
  if (services_.followLocale) services_.followLocale(languagePack_.locale());
  languagePack_.SetLanguageInForm(form_);
  retellTexts();
  if (run_.loading) form_(mainform::cmdload).text = loadCaption(true);
  Form_Resize(form_, captionWidth_);  // the new captions may need other widths
}

void MainForm::resizeWindow(int width, int height) {
  catalogue::Control& window = form_(mainform::frmmain);
  window.geometry.setSize(QSize(width, height));
  Form_Resize(form_, captionWidth_);
  if (window.value == 0) normalGeometry_.setSize(window.geometry.size());
}

void MainForm::moveWindow(int left, int top) {
  catalogue::Control& window = form_(mainform::frmmain);
  window.geometry.moveTopLeft(QPoint(left, top));
  if (window.value == 0) normalGeometry_.moveTopLeft(QPoint(left, top));
}

void MainForm::setWindowState(int state) { form_(mainform::frmmain).value = state; }

void MainForm::setCaptionWidth(CaptionWidth measure) {
  captionWidth_ = std::move(measure);
  Form_Resize(form_, captionWidth_);
}

void MainForm::placeOnScreens(const QList<QRect>& screens) {
  const QRect placed = shell::placeOnScreens(screens, normalGeometry_);
  if (placed == normalGeometry_) return;
  normalGeometry_ = placed;
  // A maximised or minimised window is left as it is; its normal place is what is saved.
  if (catalogue::Control& window = form_(mainform::frmmain); window.value == 0) window.geometry = placed;
}

void MainForm::PicSep_MouseDown() { shell::PicSep_MouseDown(form_); }

void MainForm::PicSep_MouseMove(bool leftHeld, int y) { shell::PicSep_MouseMove(form_, leftHeld, y); }

void MainForm::PicSep_MouseUp() { shell::PicSep_MouseUp(form_, captionWidth_); }

}  // namespace shell
