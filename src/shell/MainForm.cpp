// The controls as the window starts, and the handlers that tie the layers together.
#include "shell/MainForm.h"

#include <QScopeGuard>
#include <algorithm>
#include <utility>

#include "catalogue/Numbers.h"
#include "catalogue/Paths.h"
#include "catalogue/Selection.h"
#include "catalogue/Utilization.h"
#include "output/CopyToFolder.h"
#include "output/DeleteFiles.h"
#include "output/DiscScan.h"
#include "output/ListFile.h"
#include "output/LoadList.h"
#include "output/SaveList.h"
#include "platform/FolderListing.h"
#include "platform/MessageTexts.h"
#include "search/BatchSearch.h"
#include "search/DiscPlan.h"
#include "search/FitSearch.h"
#include "search/Limit.h"
#include "shell/LowerListRecords.h"
#include "shell/MainFormControls.h"
#include "shell/OutputRecords.h"
#include "shell/SecondaryFormControls.h"

namespace shell {

namespace {

std::unique_ptr<catalogue::IconCache> makeIconCache(platform::IconProvider& icons) {
  if (!icons.draws()) return nullptr;
  return std::make_unique<catalogue::IconCache>(icons, [](const QString& path) { return platform::isFolder(path); });
}

}  // namespace

MainForm::MainForm(Services services)
    : services_(std::move(services)),
      form_(mainFormControls()),
      languagePack_(services_.messages, listingPump_),
      catalogue_(services_.registry),
      iconCache_(makeIconCache(services_.icons)),
      dialogs_(services_.fileDialogs, services_.messages),
      progress_(form_, [this] { cmdstop_Click(); }),
      commands_{catalogue_, run_, services_.pump, progress_, iconCache_.get()},
      gatheringRecords_(form_),
      gathering_(commands_, gatheringRecords_,
                 catalogue::GatheringServices{services_.messages, services_.picker, services_.programFolder}) {
  createControls();
  // The limit in bytes must be right from the start, before the command line searches.
  txtlimit_Change();
}

void MainForm::createControls() {
  // Entries are only ever appended: the settings keep the index of the one picked.
  form_(mainform::txtlimit).items = {QStringLiteral("4450"), QStringLiteral("702"),  QStringLiteral("657"),
                                     QStringLiteral("98"),   QStringLiteral("8147"), QStringLiteral("23866"),
                                     QStringLiteral("47732")};
  tellLabelWords();
  form_(mainform::optmain, 0).value = 1;
  form_(mainform::framain).visible = false;
  form_(mainform::Timer).enabled = false;
  for (const catalogue::ControlId later : {mainform::cmdsave, mainform::cmdsearch, mainform::cmdCopy,
                                           mainform::cmdClipBoard, mainform::cmddelete})
    form_(later).enabled = false;
  // The total box is not part of the program yet; the availability timer still keeps its
  // record, so showing it later is a matter of this line. The planning's Stop button shows
  // only while a best-fill plan is made.
  for (const catalogue::ControlId hidden : {mainform::cmdstop2, mainform::txttotal}) form_(hidden).visible = false;
  for (int index : {0, 1}) form_(mainform::cmdburn, index).visible = false;
  form_(mainform::chkNoCD).value = 1;
  form_(mainform::txtlimit).value = 1;  // the entry "702"
  form_(mainform::cbospeed).text = QStringLiteral("1x");
}

void MainForm::cmdadd_Click() {
  runAlone(Command::Gathering, [&] { gathering_.add(gatherRequest(form_)); });
}

void MainForm::addpath(const QString& path, bool recurse) {
  runAlone(Command::Gathering, [&] {
    form_(mainform::txtdir).text = catalogue::UnPath(path);
    form_(mainform::chkrecurse).value = recurse ? 1 : 0;
    gathering_.add(gatherRequest(form_));
  });
}

void MainForm::cmddel_Click() {
  runAlone(Command::Gathering, [&] { gathering_.remove(gatherRequest(form_)); });
}

void MainForm::cmddir_Click() { gathering_.browse(form_.text(mainform::txtdir)); }

void MainForm::cmdstop_Click() {
  run_.stopflag = true;
  form_(mainform::lblCountList).text = catalogue_.upperSummary();
  catalogue_.takeUpperSummaryRequest();
  form_(mainform::framain).visible = false;
  // The lower summary is brought up to date only while Load may run: a Load in progress
  // writes it itself.
  if (form_.find(mainform::cmdload)->enabled) showLowerSummary(form_, catalogue_, run_.countAsOnDisc);
}

void MainForm::dropOnFolderBox(const QStringList& paths) {
  runAlone(Command::Gathering, [&] { gathering_.dropOnFolderBox(paths, gatherRequest(form_)); });
}

void MainForm::cmdsearch_Click() {
  runAlone(Command::Search, [&] { search::cmdsearch_Click(commands_, searchView_, capacity_.bytes); });
}

void MainForm::mnubestfill_Click() {
  runAlone(Command::Search, [&] { search::bestFillSearch(commands_, searchView_, capacity_.bytes, servedPlan_); });
}

void MainForm::cmdsave_Click() {
  runAlone(Command::Save, [&] {
    if (form_.find(mainform::cmdsave)->enabled)
      output::cmdsave_Click(catalogue_, shownLimit(), dialogs_, services_.messages);
  });
}

void MainForm::cmdload_Click() {
  const output::LoadServices load{dialogs_, services_.messages, services_.trash};
  LoadRecords view(form_, run_, [this](bool loading) { return loadCaption(loading); }, capacity_.exactBytes);
  // A press while a load runs is how the user stops it; it takes no claim of its own.
  // While the list is still being chosen there is nothing to stop.
  if (running_ == Command::Load) {
    if (run_.loading) output::cmdload_Click(commands_, load, view);
    return;
  }
  runAlone(Command::Load, [&] {
    form_(mainform::Timer).enabled = true;
    output::cmdload_Click(commands_, load, view);
  });
}

QString MainForm::loadCaption(bool loading) const {
  // The copy dialog's Cancel button says "cancel" in every pack; the Load button has no
  // caption of its own for it.
  catalogue::Form texts(loading ? copyFormControls() : mainFormControls());
  applyLanguageTo(texts);
  return texts.text(loading ? copyform::cmdCancel : mainform::cmdload);
}

void MainForm::setPattern(const QString& pattern, int option) {
  form_(mainform::txtpattern).text = pattern;
  form_(mainform::optmain, option).value = 1;
  form_(mainform::optmain, 1 - option).value = 0;
}

void MainForm::batch(int method, const QString& listFile) {
  run_.searchmethod = method;
  runBatch(listFile);
}

void MainForm::mnuscan_Click() { runBatch(QString()); }

void MainForm::runBatch(const QString& listFile) {
  runAlone(Command::Batch, [&] {
    search::BatchServices batch;
    batch.askName = [this] { return dialogs_.ShowSave(QStringLiteral("txt")); };
    batch.saveList = [this](const QString& path) {
      return output::savefile(path, catalogue_.lstsec(), shownLimit()).failure;
    };
    batch.listFolder = [this](const QString& folder, const std::function<bool(const QString&)>& pick) {
      QStringList names;
      if (const auto files = platform::listFiles(folder, pick, services_.pump))
        for (const platform::ListedFile& file : *files) names.append(file.name);
      return names;
    };
    batch.report = [this](const QString& text, bool warning) {
      services_.messages.show(platform::text(platform::Msg::BatchTitle), text,
                              warning ? platform::MessageIcon::Exclamation : platform::MessageIcon::Information);
    };
    search::batchSearch(commands_, searchView_, batch, listFile, capacity_);
  });
}

void MainForm::cmdCopy_Click() {
  CopyDesktop& copy = services_.copy;
  if (!copy.dialog || catalogue_.lstsec().isEmpty()) return;
  runAlone(Command::Copy, [&] {
    if (!copyForm_)
      copyForm_ = std::make_unique<CopyForm>(copy.settings, services_.programFolder, services_.picker,
                                             [this](catalogue::Form& form) { applyLanguageTo(form); });
    copyForm_->cancelled = true;  // a dialog that ends without OK copies nothing
    copy.dialog->show(*copyForm_);
    if (copyForm_->cancelled) return;
    platform::SilentSound silence;
    platform::NoBusyCursor still;
    output::copyToFolder(commands_, copyForm_->target,
                         output::CopyServices{services_.messages, copy.sound ? *copy.sound : silence,
                                              copy.busy ? *copy.busy : still,
                                              services_.dataFolder + QStringLiteral("/All_Done.wav"),
                                              copyForm_->soundWanted()});
  });
}

void MainForm::refuseBatchMethod(const QString& method) {
  services_.messages.show(platform::text(platform::Msg::BatchTitle), search::unknownMethodText(method),
                          platform::MessageIcon::Exclamation);
}

void MainForm::mnufiledelete_Click() {
  runAlone(Command::Delete, [&] { output::mnufiledelete_Click(catalogue_, services_.messages, services_.trash); });
}

void MainForm::mnuclear_Click() {
  runAlone(Command::Clear, [&] {
    catalogue::mnuclear_Click(catalogue_);
    form_(mainform::txttotal).text = QStringLiteral("0");
  });
}

void MainForm::mnuselitem_Click(int item, const QList<int>& highlighted) {
  runAlone(Command::Select, [&] {
    form_(mainform::lblCountCDTotal).text.clear();
    catalogue::mnuselitem_Click(commands_, item, highlighted);
  });
}

catalogue::RowOrder MainForm::headerClicked(catalogue::FileList::Kind kind, int column) {
  catalogue::RowOrder order;
  runAlone(Command::Sort, [&] { order = catalogue_.headerClicked(kind, column); });
  return order;
}

void MainForm::dropOnUpperList(const QStringList& paths) {
  runAlone(Command::Gathering, [&] { gathering_.dropOnUpperList(paths, gatherRequest(form_)); });
}

void MainForm::dropOnLowerList(const QStringList& paths) {
  if (!paths.isEmpty() && paths.first().right(4).compare(QStringLiteral(".txt"), Qt::CaseInsensitive) == 0)
    run_.pendingListPath = paths.first();
}

void MainForm::CDROM_Load() {
  // One button per optical drive, in the drives' order; button 0 is kept when there is none.
  // A button made before keeps its drive when fewer are found now.
  const QList<platform::OpticalDrive> found = services_.drives.drives();
  driveDevices_.resize(std::max(driveDevices_.size(), found.size()));
  for (int i = 0; i < found.size(); ++i) {
    catalogue::Control& button = form_.load(mainform::cmdcdrom, i);
    button.text = output::driveCaption(found[i]);
    button.visible = true;
    driveDevices_[i] = found[i].device;
  }
  // Every drive button carries the tool tip of the first.
  const QString tip = form_(mainform::cmdcdrom, 0).toolTip;
  for (int i = 1; form_.find(mainform::cmdcdrom, i); ++i) form_(mainform::cmdcdrom, i).toolTip = tip;
  Form_Resize(form_, captionWidth_);  // each button as wide as the place it names
}

bool MainForm::cmdcdrom_Click(int index) {
  const catalogue::Control* button = form_.find(mainform::cmdcdrom, index);
  if (!button) return false;
  // A button made from a drive stands for its device; the first, before any drive was
  // found, for a folder of its own.
  runAlone(Command::DiscScan, [&] {
    const QString folder = output::discFolder(services_.drives, driveDevices_.value(index));
    output::scanDisc(commands_, folder, button->text, services_.messages, [this](const QString& disc) {
      form_(mainform::lblCountCDTotal).text.clear();
      form_(mainform::txtdir).text = disc;
      gathering_.add(gatherRequest(form_));
      showLowerSummary(form_, catalogue_, run_.countAsOnDisc);
    });
  });
  return true;  // a refused scan does not end the command line
}

bool MainForm::runAlone(Command command, const std::function<void()>& body) {
  if (running_) return false;
  running_ = command;
  const auto release = qScopeGuard([this] { running_.reset(); });
  // A command works with the limit the box shows: text typed but not yet applied (the
  // box still has the focus) is put through the rule first.
  txtlimit_Change();
  const catalogue::FileList& lower = catalogue_.lstsec();
  const auto rowsOf = [&lower] { return std::pair(lower.checkRevision(), lower.count()); };
  const auto before = rowsOf();
  body();
  followSearchOptions();
  flushLabels();
  if (rowsOf() != before) showLowerList();
  return true;
}

void MainForm::showLowerList() {
  shell::showLowerResult(form_, catalogue_, catalogue::listBytes(catalogue_.lstsec()), capacity_.shownMegabytes,
                         run_.countAsOnDisc);
  cbospeed_Click();
}

output::ShownLimit MainForm::shownLimit() const { return {capacity_.text, capacity_.shownMegabytes}; }

void MainForm::setLimitText(const QString& text) {
  catalogue::Control& box = form_(mainform::txtlimit);
  box.text = text;
  box.value = int(box.items.indexOf(text));
  txtlimit_Change();
}

void MainForm::flushLabels() {
  if (catalogue_.takeUpperSummaryRequest()) form_(mainform::lblCountList).text = catalogue_.upperSummary();
  if (const std::optional<qint64> bytes = catalogue_.takeLowerTotalsRequest())
    shell::showLowerTotals(form_, catalogue_, *bytes, run_.countAsOnDisc);
}

}  // namespace shell
