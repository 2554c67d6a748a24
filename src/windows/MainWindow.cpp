// The event table of the main window and the few things only a real window has: its size,
// its close, and the clock that keeps the widgets in step with the state.
#include "windows/MainWindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSet>
#include <QTableView>
#include <QUrl>

#include "catalogue/ListColumns.h"
#include "platform/Burner.h"
#include "search/Availability.h"
#include "shell/Instructions.h"
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
  setObjectName(QStringLiteral("frmmain"));
  auto* surface = new QWidget(this);
  setCentralWidget(surface);
  catalogue::Catalogue& lists = state_.catalogue();
  binding_ = new FormBinding(state_.form(), *surface, icons, [&lists](const QString& name) {
    if (name == QLatin1String("lstmain"))
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
    const catalogue::Control* timer = std::as_const(state_).form().find(QStringLiteral("Timer"));
    if (timer && timer->enabled) state_.Timer_Timer();
    syncFromState();
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
  const auto menuOver = [this](const char* list, const char* menu) {
    return [this, list, menu](const EventArgs& e) {
      const catalogue::Catalogue& lists = state_.catalogue();
      const FileList& rows = qstrcmp(list, "lstmain") == 0 ? lists.lstmain() : lists.lstsec();
      if (!rows.isEmpty()) binding_->popup(QString::fromLatin1(menu), e.at);
    };
  };
  const auto showAbout = [this](const EventArgs&) {
    static platform::DesktopLinkOpener desktop;
    showOverOwner(openOwned<AboutWindow>(*this, shell::aboutFactsOfThisCopy(), desktop, secondaryLanguage_));
  };
  return {
      {"cmdadd", E::Click, call(&shell::MainForm::cmdadd_Click)},
      {"txtdir", E::Enter, call(&shell::MainForm::cmdadd_Click)},
      {"cmddel", E::Click, call(&shell::MainForm::cmddel_Click)},
      {"cmddir", E::Click, call(&shell::MainForm::cmddir_Click)},
      {"cmdstop", E::Click, call(&shell::MainForm::cmdstop_Click)},
      {"cmdstop2", E::Click, call(&shell::MainForm::cmdstop_Click)},
      {"cmdsearch", E::Click, call(&shell::MainForm::cmdsearch_Click)},
      {"cmdsearch", E::ContextMenu,
       [this](const EventArgs& e) { binding_->popup(QStringLiteral("mnusearchall"), e.at); }},
      {"mnuscan", E::Click, [this](const EventArgs&) { run([&] { state_.batch(1, QString()); }); }},
      {"mnubestfill", E::Click, call(&shell::MainForm::mnubestfill_Click)},
      {"mnubestbatch", E::Click, [this](const EventArgs&) { run([&] { state_.batch(2, QString()); }); }},
      {"cmdsave", E::Click, call(&shell::MainForm::cmdsave_Click)},
      {"cmdload", E::Click, call(&shell::MainForm::cmdload_Click)},
      {"cmddelete", E::Click, call(&shell::MainForm::cmddelete_Click)},
      {"cmdCopy", E::Click, call(&shell::MainForm::cmdCopy_Click)},
      {"mnuclear", E::Click, call(&shell::MainForm::mnuclear_Click)},
      {"mnufiledelete", E::Click, call(&shell::MainForm::mnufiledelete_Click)},
      {"cmdcdrom", E::Click, [this](const EventArgs& e) { run([&] { state_.cmdcdrom_Click(e.index); }); }},
      {"cmdClipBoard", E::Click, call(&shell::MainForm::cmdClipBoard_Click)},
      {"cmdburn", E::Click, [this](const EventArgs& e) { run([&] { state_.cmdburn_Click(e.index); }); }},
      {"txtdir", E::Drop, [this](const EventArgs& e) { run([&] { state_.dropOnFolderBox(e.paths); }); }},
      {"lstmain", E::Drop, [this](const EventArgs& e) { run([&] { state_.dropOnUpperList(e.paths); }); }},
      {"lstsec", E::Drop, [this](const EventArgs& e) { run([&] { state_.dropOnLowerList(e.paths); }); }},
      {"txtlimit", E::Change, [this](const EventArgs& e) { run([&] { state_.typeLimitText(e.text); }); }},
      {"txtlimit", E::LostFocus, call(&shell::MainForm::txtlimit_LostFocus)},
      {"txtlimit", E::Enter, call(&shell::MainForm::txtlimit_LostFocus)},
      {"cbospeed", E::Click, call(&shell::MainForm::cbospeed_Click)},
      {"cboLangPacks", E::Click, call(&shell::MainForm::cboLangPacks_Click)},
      {"lstmain", E::HeaderClick,
       [this](const EventArgs& e) { sortBy(QStringLiteral("lstmain"), FileList::Kind::Upper, e.index); }},
      {"lstsec", E::HeaderClick,
       [this](const EventArgs& e) { sortBy(QStringLiteral("lstsec"), FileList::Kind::Lower, e.index); }},
      {"lstmain", E::DoubleClick, [this](const EventArgs& e) { openRow(QStringLiteral("lstmain"), e.index); }},
      {"lstsec", E::DoubleClick, [this](const EventArgs& e) { openRow(QStringLiteral("lstsec"), e.index); }},
      {"lstmain", E::ContextMenu, menuOver("lstmain", "mnusel")},
      {"lstsec", E::ContextMenu, menuOver("lstsec", "mnudelete")},
      {"mnuselitem", E::Click,
       [this](const EventArgs& e) {
         const QList<int> highlighted = binding_->highlightedRows(QStringLiteral("lstmain"));
         run([&] { state_.mnuselitem_Click(e.index, highlighted); });
       }},
      {"cmdhelp", E::Click,
       [this](const EventArgs&) {
         HelpWindow& help = openOwned<HelpWindow>(*this, secondaryLanguage_);
         help.setInstructions(shell::instructionsText(shell::burnerName(platform::findBurner())));
         showOverOwner(help);
       }},
      {"cmdAbout", E::Click, showAbout},
      {"imgLogo", E::Click, showAbout},
      {"PicSep", E::MouseDown, call(&shell::MainForm::PicSep_MouseDown)},
      {"PicSep", E::MouseMove,
       [this](const EventArgs& e) { run([&] { state_.PicSep_MouseMove(e.leftButton, e.y); }); }},
      {"PicSep", E::MouseUp, call(&shell::MainForm::PicSep_MouseUp)},
  };
}

void MainWindow::run(const std::function<void()>& handler) {
  handler();
  state_.flushLabels();
  syncFromState();
}

void MainWindow::sortBy(const QString& list, FileList::Kind kind, int column) {
  // The highlight follows its rows through the sort: the Select menu works from it.
  const catalogue::Catalogue& lists = state_.catalogue();
  const FileList& rows = kind == FileList::Kind::Upper ? lists.lstmain() : lists.lstsec();
  QSet<QString> highlighted;
  for (int row : binding_->highlightedRows(list)) highlighted.insert(rows.fullPath(row));
  run([&] { state_.headerClicked(kind, column); });
  QList<int> after;
  if (!highlighted.isEmpty())
    for (int row = 0; row < rows.count(); ++row)
      if (highlighted.contains(rows.fullPath(row))) after.append(row);
  binding_->highlightRows(list, after);
  const catalogue::SortState& sort = lists.sortState(kind);
  auto* header = static_cast<QTableView*>(control(list))->horizontalHeader();
  header->setSortIndicatorShown(sort.sorted);
  header->setSortIndicator(sort.column, sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainWindow::openRow(const QString& list, int row) {
  const catalogue::Catalogue& lists = state_.catalogue();
  const FileList& rows = list == QLatin1String("lstmain") ? lists.lstmain() : lists.lstsec();
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

void MainWindow::syncFromState() {
  state_.flushLabels();
  binding_->apply();
  for (const QString& list : binding_->syncLists()) fitColumns(list);
}

void MainWindow::fitColumns(const QString& list) {
  auto* view = static_cast<QTableView*>(control(list));
  if (view->model()->rowCount() == 0) return;
  const FileList::Kind kind = list == QLatin1String("lstmain") ? FileList::Kind::Upper : FileList::Kind::Lower;
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
