// The main window without widgets: its control records, the two lists, the shared flags
// and every command handler. The Qt window binds to it by control name; the headless run
// uses it as it is.
#pragma once

#include <QtGlobal>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "catalogue/Catalogue.h"
#include "catalogue/CommandContext.h"
#include "catalogue/Form.h"
#include "catalogue/Gathering.h"
#include "catalogue/IconCache.h"
#include "catalogue/RunState.h"
#include "output/BurnerLaunch.h"
#include "output/ListFile.h"
#include "output/OpenSaveDlg.h"
#include "platform/EventPump.h"
#include "platform/Burner.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/FolderPicker.h"
#include "platform/IconProvider.h"
#include "platform/Messages.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "platform/OpticalDrives.h"
#include "platform/ProcessStart.h"
#include "platform/Trash.h"
#include "search/DiscPlan.h"
#include "search/Limit.h"
#include "shell/CopyDialog.h"
#include "shell/CopyForm.h"
#include "shell/GatheringRecords.h"
#include "shell/LanguagePack.h"
#include "shell/Layout.h"
#include "shell/ProgressRecords.h"
#include "shell/SearchRecords.h"

namespace shell {

// What the main window is given of the desktop, built once per mode: the window and the
// headless run each pass their own set, with the platform's stand-ins (NoTrash, NoIcons,
// ...) for what the mode lacks, so the handlers never ask whether a service is there.
struct Services {
  platform::Messages& messages;
  platform::FolderPicker& picker;
  platform::EventPump& pump;
  const platform::ValueStore& registry;
  platform::IconProvider& icons;
  platform::FileDialogs& fileDialogs;
  platform::Trash& trash;
  const platform::OpticalDrives& drives;
  // The hand-off to the burning program.
  platform::Clipboard& clipboard;
  platform::ProcessStart& processes;
  QString programFolder;
  // Where the language packs are ("language" below it); empty when the program runs
  // without data, as the unit tests do: the language list then stays empty, unannounced.
  QString dataFolder = QString();
  CopyDesktop copy = {};
  // Whether messages follow the pack picked. The headless run, which takes no settings and
  // so the first pack, keeps them English: scripts read its standard error.
  bool translatedMessages = false;
  // Called with the locale of each language picked ("de"; empty for none), so that the
  // toolkit's own texts (standard buttons, file dialogs) follow it.
  std::function<void(const QString& locale)> followLocale = {};
};

class MainForm {
 public:
  explicit MainForm(Services services);
  // Its parts hold references to its own records, lists and services.
  Q_DISABLE_COPY_MOVE(MainForm)
  // The messages of the program are English again once the window that chose a language is gone.
  ~MainForm();

  catalogue::Form& form() { return form_; }
  const catalogue::Form& form() const { return form_; }
  catalogue::Catalogue& catalogue() { return catalogue_; }
  const catalogue::Catalogue& catalogue() const { return catalogue_; }
  catalogue::RunState& run() { return run_; }
  // The capacity the searches use, as the limit box last showed it.
  const search::Capacity& capacity() const { return capacity_; }
  platform::Messages& messages() { return services_.messages; }
  // The language pack of the whole program; the other windows apply it when they load.
  clsLanguagePack& languagePack() { return languagePack_; }
  // A secondary window being loaded takes the pack held, when one is.
  void applyLanguageTo(catalogue::Form& form) const {
    if (!languagePack_.CurrentFile.isEmpty()) languagePack_.SetLanguageInForm(form);
  }

  // Start-up, once per process in the window and headless alike: the settings (none
  // without a store), then the command line, the layout, the lists and the buttons of this
  // machine. The window is shown after it.
  void Form_Load(const QStringList& arguments, const platform::SettingsStore* settings);
  // The window closes: its settings are written (none without a store).
  void Form_Unload(platform::SettingsStore* settings);

  void cmdadd_Click();
  void cmddel_Click();
  // The folder into the folder box, the subfolder choice, then Add.
  void addpath(const QString& path, bool recurse);
  void cmddir_Click();
  void cmdstop_Click();
  void dropOnFolderBox(const QStringList& paths);
  void cmdsearch_Click();
  // Best-fill search: the next disc of the plan of the checked files into the lower list.
  void mnubestfill_Click();
  // How often best-fill searches planned; a served disc reuses the plan.
  int bestFillPlans() const { return servedPlan_.plansMade; }
  void cmdsave_Click();
  void cmdload_Click();
  void mnuscan_Click();
  // Copy to Folder: the dialog, then the checked lower files staged below its folder.
  void cmdCopy_Click();
  // The copy dialog's state once it was first opened.
  CopyForm* copyForm() { return copyForm_.get(); }
  // The pattern box and the choice of option `option` (0 include, 1 exclude).
  void setPattern(const QString& pattern, int option);
  // A batch search with `method`, its lists named after `listFile` (asked for when empty).
  void batch(int method, const QString& listFile);
  // Tells that a batch method given as `method` cannot be run.
  void refuseBatchMethod(const QString& method);
  void mnufiledelete_Click();
  void mnuclear_Click();
  // The drive buttons from the drives present; the scan of the drive of button `index`
  // (false when there is no such button).
  void CDROM_Load();
  bool cmdcdrom_Click(int index);
  // The Select command of menu index `item`, with the highlighted upper rows (0-based).
  void mnuselitem_Click(int item, const QList<int>& highlighted);
  // Returns the old number of each row, empty when the rows kept their places.
  catalogue::RowOrder headerClicked(catalogue::FileList::Kind kind, int column);
  void dropOnUpperList(const QStringList& paths);
  // A list file dropped on the lower list is loaded by the next Load.
  void dropOnLowerList(const QStringList& paths);
  void cmddelete_Click() { mnufiledelete_Click(); }
  // Every lower path to the clipboard, then the burner found with an empty data project for
  // the medium of the limit; nothing while the command is unavailable.
  void cmdClipBoard_Click();
  // Button 0 starts the burner, with the checked lower files as a new data project; the
  // others do nothing.
  void cmdburn_Click(int index);
  void Timer_Timer();
  // The limit text changed (typed, picked or set by the program).
  void txtlimit_Change();
  void setLimitText(const QString& text);
  // The user typed into the limit box: the limit follows a number at once; any other text
  // waits until the box is left.
  void typeLimitText(const QString& text);
  void txtlimit_LostFocus();
  // A speed was picked: the burn-time estimate of the lower list at that speed.
  void cbospeed_Click();
  // A language was picked (its text set by the window, or an index by the program): the
  // pack is loaded and applied to this window.
  void cboLangPacks_Click();
  // A check mark of the Search menu was set or cleared (the record holds it): the run flags
  // follow the marks, and the lower summary names the disc size or not.
  void searchOptionClicked();
  // Checks an option of the Search menu as a click on it would: the switches "/disc" and "/together".
  void checkSearchOption(catalogue::ControlId entry);
  // Picks entry `index` of the language list as a choice of the user would; nothing for
  // an index outside the list.
  void pickLanguage(int index);

  // The window as the user sizes, moves and maximises it, in twips; 0 normal, 1 minimised,
  // 2 maximised.
  void resizeWindow(int width, int height);
  void moveWindow(int left, int top);
  void setWindowState(int state);
  // How the window measures captions; the layout then fits the controls to the texts they
  // show. Without it (headless) the controls keep their designed widths.
  void setCaptionWidth(CaptionWidth measure);
  // Before the window shows: a normal window that no screen would show (the screens in
  // twips, the primary first) is moved onto the primary screen, also in what is saved.
  void placeOnScreens(const QList<QRect>& screens);
  void PicSep_MouseDown();
  void PicSep_MouseMove(bool leftHeld, int y);
  void PicSep_MouseUp();

  // Writes the labels whose refresh was asked for while a command ran; the window calls
  // it before it draws, every command at its end.
  void flushLabels();

  // The commands that may yield to the window while they run. One runs at a time: a
  // second start that gets through while the first lets events in is refused, so two
  // commands never work on the same lists at once.
  enum class Command { Gathering, Search, Batch, Save, Load, Select, Delete, Clear, Sort, DiscScan, Copy };
  // The command running now, if any.
  std::optional<Command> running() const { return running_; }

 private:
  void createControls();
  // The words the labels add to the numbers they show, in the language in use.
  void tellLabelWords();
  // After a language was picked: the texts the program composed before, in it.
  void retellTexts();
  // Runs `body` as `command`, then writes the labels it asked for; false, doing nothing,
  // while another command runs.
  bool runAlone(Command command, const std::function<void()>& body);
  // The run flags of the Search menu's options from their check marks.
  void followSearchOptions();
  // The lower list's totals, utilization and burn time, all three from its rows as they
  // are now; every command that changed the rows ends with it.
  void showLowerList();
  // The limit in megabytes as the limit box holds it.
  // The limit as a list file's summary names it.
  output::ShownLimit shownLimit() const;
  // The disc the limit box stands for.
  output::DiscMedium limitMedium() const;
  // The capacity into the limit box and into what the searches are given.
  void showCapacity(const search::Capacity& capacity);
  // The batch of the method held, on `listFile` (asked for when empty).
  void runBatch(const QString& listFile);
  // The Load button's caption, idle or while a load runs, in the language held.
  QString loadCaption(bool loading) const;

  Services services_;
  catalogue::Form form_;
  // The packs are listed during start-up, before the window shows: events let in there
  // (a stop signal) would close a window that was never shown, so none are.
  platform::NullPump listingPump_;
  clsLanguagePack languagePack_;
  catalogue::Catalogue catalogue_;
  catalogue::RunState run_;
  std::unique_ptr<catalogue::IconCache> iconCache_;
  // The burning program on PATH, as start-up found it.
  std::optional<platform::Burner> burner_;
  output::OpenSaveDlg dialogs_;
  ProgressRecords progress_;
  // What the commands below the shell are given; the records stay here.
  catalogue::CommandContext commands_;
  GatheringRecords gatheringRecords_;
  catalogue::Gathering gathering_;
  search::ServedPlan servedPlan_;
  SearchRecords searchView_{form_, catalogue_, capacity_, run_};
  search::Capacity capacity_;  // as the limit box shows it
  std::optional<Command> running_;
  QRect normalGeometry_;  // the window in its normal state, twips
  CaptionWidth captionWidth_;
  std::unique_ptr<CopyForm> copyForm_;  // made on first use, kept for the run
  QStringList driveDevices_;  // the device of each drive button, by button index
};

}  // namespace shell
