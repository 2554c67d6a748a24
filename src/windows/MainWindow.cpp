// The event table of the main window and the few things only a real window has: its size,
// its close, and the clock that keeps the widgets in step with the state.
#include "windows/MainWindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QUrl>

#include "catalogue/ListColumns.h"
#include "platform/Burner.h"
#include "search/Availability.h"
#include "shell/Instructions.h"
#include "shell/MainFormControls.h"
#include "windows/AboutWindow.h"
#include "windows/FileListModel.h"
#include "windows/HelpWindow.h"
#include "windows/SecondaryWindow.h"

namespace windows {

namespace {

using catalogue::FileList;

// The window of that kind the owner has open, or a newly loaded one.
template <class W, class... Args>
W& openOwned(QWidget& owner, Args&&... args) {
  if (W* open = owner.findChild<W*>(QString(), Qt::FindDirectChildrenOnly)) return *open;
  return *new W(owner, std::forward<Args>(args)...);  // owned by `owner`, deleted when closed
}

}  // namespace

MainWindow::MainWindow(shell::MainForm& state, const platform::ThemeIconProvider* icons, QWidget* parent)
    : QMainWindow(parent), state_(state) {
  setObjectName(QLatin1String(shell::mainform::frmmain.name));
  auto* surface = new QWidget(this);
  setCentralWidget(surface);
  catalogue::Catalogue& lists = state_.catalogue();
  binding_ = new FormBinding(state_.form(), *surface, icons, [&lists](const QString& name) {
    if (name == QLatin1String(shell::mainform::lstmain.name))
      return ListSource{&lists.lstmain(), [&lists](int row, bool checked) { lists.setUpperChecked(row, checked); }};
    return ListSource{&lists.lstsec(), [&lists](int row, bool checked) { lists.lstsec().setChecked(row, checked); }};
  });
  binding_->route(events());
  // The About and instructions windows take the pack held when they are loaded.
  setSecondaryLanguage([this](catalogue::Form& form) { state_.applyLanguageTo(form); });
  state_.setCaptionWidth(
      [this](catalogue::ControlKind kind, const QString& caption) { return binding_->captionTwips(kind, caption); });
  syncFromState();
  // The timer keeps the window in step with changes made outside a handler of ours.
  refresh_.setInterval(search::timerIntervalMs);
  connect(&refresh_, &QTimer::timeout, this, [this] {
    // The availability timer ticks once an operation has switched it on.
    const catalogue::Control* timer = std::as_const(state_).form().find(shell::mainform::Timer);
    if (timer && timer->enabled) state_.Timer_Timer();
    followState();
  });
  refresh_.start();
}

MainWindow::~MainWindow() {
  // Widgets being taken down lose the focus; no event of theirs may reach a window that is
  // no longer whole, so the measure and then the binding go first.
  state_.setCaptionWidth({});
  delete binding_;
}

std::vector<EventRoute> MainWindow::events() {
  using E = FormEvent;
  const auto call = [this](std::function<void(shell::MainForm&)> handler) {
    return [this, handler = std::move(handler)](const EventArgs&) { run([&] { handler(state_); }); };
  };
  const auto menuOver = [this](catalogue::ControlId list, catalogue::ControlId menu) {
    return [this, list, menu](const EventArgs& e) {
      if (!rowsOf(list).isEmpty()) binding_->popup(menu, e.at);
    };
  };
  const auto showAbout = [this](const EventArgs&) {
    static platform::DesktopLinkOpener desktop;
    showOverOwner(openOwned<AboutWindow>(*this, shell::aboutFactsOfThisCopy(), desktop, secondaryLanguage_));
  };
  return {
      {shell::mainform::cmdadd, E::Click, call(&shell::MainForm::cmdadd_Click)},
      {shell::mainform::txtdir, E::Enter, call(&shell::MainForm::cmdadd_Click)},
      {shell::mainform::cmddel, E::Click, call(&shell::MainForm::cmddel_Click)},
      {shell::mainform::cmddir, E::Click, call(&shell::MainForm::cmddir_Click)},
      {shell::mainform::cmdstop, E::Click, call(&shell::MainForm::cmdstop_Click)},
      {shell::mainform::cmdstop2, E::Click, call(&shell::MainForm::cmdstop_Click)},
      {shell::mainform::cmdsearch, E::Click, call(&shell::MainForm::cmdsearch_Click)},
      {shell::mainform::cmdsearch, E::ContextMenu,
       [this](const EventArgs& e) { binding_->popup(shell::mainform::mnusearchall, e.at); }},
      {shell::mainform::mnuscan, E::Click, [this](const EventArgs&) { run([&] { state_.batch(1, QString()); }); }},
      {shell::mainform::mnubestfill, E::Click, call(&shell::MainForm::mnubestfill_Click)},
      {shell::mainform::mnubestbatch, E::Click, [this](const EventArgs&) { run([&] { state_.batch(2, QString()); }); }},
      {shell::mainform::mnudisc, E::Click, call(&shell::MainForm::searchOptionClicked)},
      {shell::mainform::mnutogether, E::Click, call(&shell::MainForm::searchOptionClicked)},
      {shell::mainform::cmdsave, E::Click, call(&shell::MainForm::cmdsave_Click)},
      {shell::mainform::cmdload, E::Click, call(&shell::MainForm::cmdload_Click)},
      {shell::mainform::cmddelete, E::Click, call(&shell::MainForm::cmddelete_Click)},
      {shell::mainform::cmdCopy, E::Click, call(&shell::MainForm::cmdCopy_Click)},
      {shell::mainform::mnuclear, E::Click, call(&shell::MainForm::mnuclear_Click)},
      {shell::mainform::mnufiledelete, E::Click, call(&shell::MainForm::mnufiledelete_Click)},
      {shell::mainform::cmdcdrom, E::Click, [this](const EventArgs& e) { run([&] { state_.cmdcdrom_Click(e.index); }); }},
      {shell::mainform::cmdClipBoard, E::Click, call(&shell::MainForm::cmdClipBoard_Click)},
      {shell::mainform::cmdburn, E::Click, [this](const EventArgs& e) { run([&] { state_.cmdburn_Click(e.index); }); }},
      {shell::mainform::txtdir, E::Drop, [this](const EventArgs& e) { run([&] { state_.dropOnFolderBox(e.paths); }); }},
      {shell::mainform::lstmain, E::Drop, [this](const EventArgs& e) { run([&] { state_.dropOnUpperList(e.paths); }); }},
      {shell::mainform::lstsec, E::Drop, [this](const EventArgs& e) { run([&] { state_.dropOnLowerList(e.paths); }); }},
      {shell::mainform::txtlimit, E::Change, [this](const EventArgs& e) { run([&] { state_.typeLimitText(e.text); }); }},
      {shell::mainform::txtlimit, E::LostFocus, call(&shell::MainForm::txtlimit_LostFocus)},
      {shell::mainform::txtlimit, E::Enter, call(&shell::MainForm::txtlimit_LostFocus)},
      {shell::mainform::cbospeed, E::Click, call(&shell::MainForm::cbospeed_Click)},
      {shell::mainform::cboLangPacks, E::Click, call(&shell::MainForm::cboLangPacks_Click)},
      {shell::mainform::lstmain, E::HeaderClick,
       [this](const EventArgs& e) { sortBy(shell::mainform::lstmain, FileList::Kind::Upper, e.index); }},
      {shell::mainform::lstsec, E::HeaderClick,
       [this](const EventArgs& e) { sortBy(shell::mainform::lstsec, FileList::Kind::Lower, e.index); }},
      {shell::mainform::lstmain, E::DoubleClick, [this](const EventArgs& e) { openRow(shell::mainform::lstmain, e.index); }},
      {shell::mainform::lstsec, E::DoubleClick, [this](const EventArgs& e) { openRow(shell::mainform::lstsec, e.index); }},
      {shell::mainform::lstmain, E::ContextMenu, menuOver(shell::mainform::lstmain, shell::mainform::mnusel)},
      {shell::mainform::lstsec, E::ContextMenu, menuOver(shell::mainform::lstsec, shell::mainform::mnudelete)},
      {shell::mainform::mnuselitem, E::Click,
       [this](const EventArgs& e) {
         const QList<int> highlighted = binding_->highlightedRows(shell::mainform::lstmain);
         run([&] { state_.mnuselitem_Click(e.index, highlighted); });
       }},
      {shell::mainform::cmdhelp, E::Click,
       [this](const EventArgs&) {
         HelpWindow& help = openOwned<HelpWindow>(*this, secondaryLanguage_);
         help.setInstructions(shell::instructionsText(shell::burnerName(platform::findBurner())));
         showOverOwner(help);
       }},
      {shell::mainform::cmdAbout, E::Click, showAbout},
      {shell::mainform::imgLogo, E::Click, showAbout},
      {shell::mainform::PicSep, E::MouseDown, call(&shell::MainForm::PicSep_MouseDown)},
      {shell::mainform::PicSep, E::MouseMove,
       [this](const EventArgs& e) { run([&] { state_.PicSep_MouseMove(e.leftButton, e.y); }); }},
      {shell::mainform::PicSep, E::MouseUp, call(&shell::MainForm::PicSep_MouseUp)},
  };
}

void MainWindow::run(const std::function<void()>& handler) {
  handler();
  state_.flushLabels();
  syncFromState();
}

void MainWindow::sortBy(catalogue::ControlId list, FileList::Kind kind, int column) {
  // The highlight follows its rows through the sort: the Select menu works from it.
  const QList<int> highlighted = binding_->highlightedRows(list);
  catalogue::RowOrder order;
  run([&] { order = state_.headerClicked(kind, column); });
  if (!order.empty() && !highlighted.isEmpty()) {
    std::vector<bool> wasHighlighted(order.size(), false);
    for (int row : highlighted)
      if (row >= 0 && static_cast<size_t>(row) < order.size()) wasHighlighted[static_cast<size_t>(row)] = true;
    QList<int> after;
    for (size_t row = 0; row < order.size(); ++row)
      if (wasHighlighted[order[row]]) after.append(static_cast<int>(row));
    binding_->highlightRows(list, after);
  }
  const catalogue::Catalogue& lists = state_.catalogue();
  const catalogue::SortState& sort = lists.sortState(kind);
  auto* header = static_cast<QTableView*>(control(list))->horizontalHeader();
  header->setSortIndicatorShown(sort.sorted);
  header->setSortIndicator(sort.column, sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

const FileList& MainWindow::rowsOf(catalogue::ControlId list) const {
  const catalogue::Catalogue& lists = state_.catalogue();
  return qstrcmp(list.name, shell::mainform::lstmain.name) == 0 ? lists.lstmain() : lists.lstsec();
}

void MainWindow::openRow(catalogue::ControlId list, int row) {
  const FileList& rows = rowsOf(list);
  if (row >= 0 && row < rows.count()) QDesktopServices::openUrl(QUrl::fromLocalFile(rows.fullPath(row)));
}

void MainWindow::setVisible(bool visible) {
  if (visible && !isVisible()) {
    // The screens' usable areas, the primary first, in the twips of the records.
    QList<QRect> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
      const QRect area = screen->availableGeometry();
      const QRect twips(binding_->twips(area.x()), binding_->twips(area.y()), binding_->twips(area.width()),
                        binding_->twips(area.height()));
      screen == primary ? screens.prepend(twips) : screens.append(twips);
    }
    state_.placeOnScreens(screens);
    syncFromState();
  }
  QMainWindow::setVisible(visible);
}

void MainWindow::syncFromState() { sync(true); }

void MainWindow::followState() { sync(false); }

void MainWindow::sync(bool forceFit) {
  state_.flushLabels();
  binding_->apply();
  for (const QString& list : binding_->syncLists()) unfitted_.insert(list);
  if (unfitted_.isEmpty() || (!forceFit && sinceFit_.isValid() && sinceFit_.elapsed() < fitPauseMs)) return;
  for (const QString& list : std::as_const(unfitted_)) fitColumns(list);
  unfitted_.clear();
  sinceFit_.start();
}

void MainWindow::fitColumns(const QString& list) {
  auto* view = static_cast<QTableView*>(binding_->widget(list));
  if (view->model()->rowCount() == 0) return;
  const FileList::Kind kind =
      list == QLatin1String(shell::mainform::lstmain.name) ? FileList::Kind::Upper : FileList::Kind::Lower;
  const int least = binding_->pixels(1100);
  for (int section = 0; section < view->model()->columnCount(); ++section) {
    view->resizeColumnToContents(section);
    if (catalogue::listColumn(kind, section) != catalogue::ListColumn::Name && view->columnWidth(section) < least)
      view->setColumnWidth(section, least);
  }
}

void MainWindow::layOut() {
  if (isMinimized()) return;  // a minimised window keeps its layout
  state_.resizeWindow(binding_->twips(width()), binding_->twips(height()));
  syncFromState();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOut();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // Only a move of the shown window is the user's: before it is shown, the place is the
  // one the record gave it.
  if (isVisible() && !isMinimized()) state_.moveWindow(binding_->twips(x()), binding_->twips(y()));
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) state_.setWindowState(recordWindowState(windowState()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A command still running sees the request at its next look and ends; a command line
  // still running ends after its current switch.
  state_.run().stopflag = true;
  state_.run().closing = true;
  QMainWindow::closeEvent(event);
}

}  // namespace windows
