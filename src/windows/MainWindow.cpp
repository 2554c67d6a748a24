// Widgets are made in code and looked up by control name; a change of any record
// re-applies all records, which are few.
#include "windows/MainWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>
#include <iterator>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "search/Availability.h"
#include "windows/FileListModel.h"
#include "windows/FolderDropFilter.h"

namespace windows {

namespace {

QString keyOf(const QString& name, int index) {
  return index < 0 ? name : name + u'(' + QString::number(index) + u')';
}

// Twips to pixels through the screen's logical resolution (1440 twips an inch).
int pixels(const QWidget* widget, int twips) { return twips * widget->logicalDpiX() / 1440; }

}  // namespace

MainWindow::MainWindow(shell::MainForm& state, const platform::ThemeIconProvider* icons, QWidget* parent)
    : QMainWindow(parent), state_(state), icons_(icons) {
  setObjectName(QStringLiteral("frmmain"));
  buildWidgets();
  placeWidgets();
  bindInput();
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
  resize(pixels(this, 10440), pixels(this, 8600));
}

MainWindow::~MainWindow() = default;

template <class W>
W* MainWindow::make(const QString& name, int index) {
  auto* widget = new W(this);  // owned by the window until placed in a layout
  widget->setObjectName(index < 0 ? name : name + QString::number(index));
  widgets_.insert(keyOf(name, index), widget);
  return widget;
}

QWidget* MainWindow::control(const QString& name, int index) const { return widgets_.value(keyOf(name, index)); }

void MainWindow::buildWidgets() {
  for (const char* name : {"lbldirectory", "lblpattern", "lbllimit", "lblmegabyte", "lblCountList", "lblCountList2",
                           "lblCountCDTotal", "lblpercent", "lblspeed", "lblcurrent", "lbllevel"})
    make<QLabel>(QString::fromLatin1(name));
  for (const char* name : {"cmddir", "cmdadd", "cmddel", "cmdstop", "cmdload", "cmdsearch", "cmdsave", "cmdCopy",
                           "cmdClipBoard", "cmddelete"})
    make<QPushButton>(QString::fromLatin1(name));
  // Both boxes keep their drop-down lists but never complete what is typed from them: the
  // folder or limit the user typed is the one the commands get.
  auto* folderBox = make<QComboBox>(QStringLiteral("txtdir"));
  auto* limitBox = make<QComboBox>(QStringLiteral("txtlimit"));
  for (QComboBox* box : {folderBox, limitBox}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
  }
  folderBox->setAcceptDrops(true);
  make<QLineEdit>(QStringLiteral("txtpattern"));
  auto* total = make<QLineEdit>(QStringLiteral("txttotal"));
  total->setReadOnly(true);
  make<QRadioButton>(QStringLiteral("optmain"), 0);
  make<QRadioButton>(QStringLiteral("optmain"), 1);
  make<QCheckBox>(QStringLiteral("chkrecurse"));
  make<QCheckBox>(QStringLiteral("chkNoCD"));
  make<QGroupBox>(QStringLiteral("framain"));

  catalogue::Catalogue& lists = state_.catalogue();
  upperModel_ = new FileListModel(
      lists.lstmain(), [&lists](int row, bool checked) { lists.setUpperChecked(row, checked); }, icons_, this);
  lowerModel_ = new FileListModel(
      lists.lstsec(), [&lists](int row, bool checked) { lists.lstsec().setChecked(row, checked); }, icons_, this);
  upperView_ = make<QTableView>(QStringLiteral("lstmain"));
  lowerView_ = make<QTableView>(QStringLiteral("lstsec"));
  for (auto [view, model] : {std::pair{upperView_, upperModel_}, std::pair{lowerView_, lowerModel_}}) {
    view->setModel(model);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->horizontalHeader()->setResizeContentsPrecision(500);
    view->horizontalHeader()->setStretchLastSection(false);
    view->setIconSize(QSize(16, 16));
  }
  upperView_->setColumnWidth(0, pixels(this, 1440));
  upperView_->setColumnWidth(1, pixels(this, 1000));
  upperView_->setColumnWidth(2, pixels(this, 1440));
  upperView_->setColumnWidth(3, pixels(this, 1440));
  upperView_->setColumnWidth(4, pixels(this, 1150));
  lowerView_->setColumnWidth(0, pixels(this, 1440));
  lowerView_->setColumnWidth(1, pixels(this, 1150));
}

void MainWindow::placeWidgets() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* page = new QVBoxLayout(central);

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(control(QStringLiteral("lbldirectory")));
  folderRow->addWidget(control(QStringLiteral("txtdir")), 1);
  folderRow->addWidget(control(QStringLiteral("cmddir")));
  page->addLayout(folderRow);

  auto* patternRow = new QHBoxLayout;
  for (const QString& name : {QStringLiteral("lblpattern"), QStringLiteral("txtpattern")})
    patternRow->addWidget(control(name));
  patternRow->addWidget(control(QStringLiteral("optmain"), 0));
  patternRow->addWidget(control(QStringLiteral("optmain"), 1));
  for (const QString& name : {QStringLiteral("chkrecurse"), QStringLiteral("cmdadd"), QStringLiteral("cmddel")})
    patternRow->addWidget(control(name));
  patternRow->addStretch(1);
  for (const QString& name : {QStringLiteral("lbllimit"), QStringLiteral("txtlimit"), QStringLiteral("lblmegabyte")})
    patternRow->addWidget(control(name));
  page->addLayout(patternRow);

  page->addWidget(upperView_, 3);
  page->addWidget(control(QStringLiteral("lblCountList")));

  auto* frame = static_cast<QGroupBox*>(control(QStringLiteral("framain")));
  auto* frameRow = new QHBoxLayout(frame);
  frameRow->addWidget(control(QStringLiteral("lblcurrent")), 1);
  frameRow->addWidget(control(QStringLiteral("lbllevel")));
  frameRow->addWidget(control(QStringLiteral("cmdstop")));
  page->addWidget(frame);

  page->addWidget(lowerView_, 2);

  auto* totalsRow = new QHBoxLayout;
  for (const QString& name : {QStringLiteral("lblpercent"), QStringLiteral("lblCountCDTotal"), QStringLiteral("chkNoCD")})
    totalsRow->addWidget(control(name));
  totalsRow->addStretch(1);
  for (const QString& name : {QStringLiteral("lblspeed"), QStringLiteral("txttotal"), QStringLiteral("lblCountList2")})
    totalsRow->addWidget(control(name));
  page->addLayout(totalsRow);

  auto* buttonRow = new QHBoxLayout;
  driveRow_ = new QHBoxLayout;
  buttonRow->addLayout(driveRow_);
  buttonRow->addStretch(1);
  for (const char* name : {"cmdload", "cmdsearch", "cmdCopy", "cmdClipBoard", "cmddelete", "cmdsave"})
    buttonRow->addWidget(control(QString::fromLatin1(name)));
  page->addLayout(buttonRow);
}

void MainWindow::run(const std::function<void()>& handler) {
  handler();
  state_.flushLabels();
  syncFromState();
}

void MainWindow::bindInput() {
  using catalogue::Form;
  const auto button = [this](const char* name, std::function<void()> handler) {
    connect(static_cast<QPushButton*>(control(QString::fromLatin1(name))), &QPushButton::clicked, this,
            [this, handler = std::move(handler)] { run(handler); });
  };
  button("cmdadd", [this] { state_.cmdadd_Click(); });
  button("cmddel", [this] { state_.cmddel_Click(); });
  button("cmddir", [this] { state_.cmddir_Click(); });
  button("cmdstop", [this] { state_.cmdstop_Click(); });
  button("cmdsearch", [this] { state_.cmdsearch_Click(); });
  button("cmdsave", [this] { state_.cmdsave_Click(); });
  button("cmdload", [this] { state_.cmdload_Click(); });
  button("cmddelete", [this] { state_.cmddelete_Click(); });
  // A picture button: its caption stays empty, the trash icon says what it does.
  static_cast<QPushButton*>(control(QStringLiteral("cmddelete")))->setIcon(QIcon::fromTheme(QStringLiteral("user-trash")));

  const auto text = [this](const QString& name) {
    return [this, name](const QString& value) {
      if (!syncing_) state_.form()(name).text = value;
    };
  };
  connect(static_cast<QComboBox*>(control(QStringLiteral("txtdir"))), &QComboBox::editTextChanged, this,
          text(QStringLiteral("txtdir")));
  connect(static_cast<QComboBox*>(control(QStringLiteral("txtlimit"))), &QComboBox::editTextChanged, this,
          [this](const QString& value) {
            if (syncing_) return;
            state_.setLimitText(value);
            syncFromState();
          });
  connect(static_cast<QLineEdit*>(control(QStringLiteral("txtpattern"))), &QLineEdit::textChanged, this,
          text(QStringLiteral("txtpattern")));
  for (const char* name : {"chkrecurse", "chkNoCD"}) {
    const QString control = QString::fromLatin1(name);
    connect(static_cast<QCheckBox*>(this->control(control)), &QCheckBox::toggled, this, [this, control](bool on) {
      if (!syncing_) state_.form()(control).value = on ? 1 : 0;
    });
  }
  for (int index : {0, 1})
    connect(static_cast<QRadioButton*>(control(QStringLiteral("optmain"), index)), &QRadioButton::toggled, this,
            [this, index](bool on) {
              if (!syncing_) state_.form()(QStringLiteral("optmain"), index).value = on ? 1 : 0;
            });

  bindLists();

  auto* drops = new FolderDropFilter([this](const QStringList& paths) { run([&] { state_.dropOnFolderBox(paths); }); },
                                     this);
  auto* folderBox = static_cast<QComboBox*>(control(QStringLiteral("txtdir")));
  folderBox->installEventFilter(drops);
  folderBox->lineEdit()->installEventFilter(drops);
}

void MainWindow::bindLists() {
  using Kind = catalogue::FileList::Kind;
  for (auto [view, kind] : {std::pair{upperView_, Kind::Upper}, std::pair{lowerView_, Kind::Lower}}) {
    view->horizontalHeader()->setSectionsClickable(true);
    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this, view, kind](int column) {
      run([&] { state_.headerClicked(kind, column); });
      showSortIndicator(view, kind);
    });
    connect(view, &QTableView::doubleClicked, this, [this, view](const QModelIndex& index) { openRow(view, index); });
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->viewport()->setAcceptDrops(true);
  }
  connect(upperView_, &QWidget::customContextMenuRequested, this, &MainWindow::showSelectMenu);
  connect(lowerView_, &QWidget::customContextMenuRequested, this, &MainWindow::showDeleteMenu);
  upperView_->viewport()->installEventFilter(
      new FolderDropFilter([this](const QStringList& paths) { run([&] { state_.dropOnUpperList(paths); }); }, this));
  lowerView_->viewport()->installEventFilter(
      new FolderDropFilter([this](const QStringList& paths) { run([&] { state_.dropOnLowerList(paths); }); }, this));
  lowerView_->setDragEnabled(true);
  lowerView_->setDragDropMode(QAbstractItemView::DragOnly);
  lowerView_->setDefaultDropAction(Qt::CopyAction);
}

void MainWindow::showSortIndicator(QTableView* view, catalogue::FileList::Kind kind) {
  const catalogue::SortState& sort = state_.catalogue().sortState(kind);
  view->horizontalHeader()->setSortIndicatorShown(sort.sorted);
  view->horizontalHeader()->setSortIndicator(sort.column, sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainWindow::openRow(QTableView* view, const QModelIndex& index) {
  if (!index.isValid()) return;
  const catalogue::Catalogue& lists = state_.catalogue();
  const catalogue::FileList& list = view == upperView_ ? lists.lstmain() : lists.lstsec();
  if (index.row() < list.count()) QDesktopServices::openUrl(QUrl::fromLocalFile(list.fullPath(index.row())));
}

void MainWindow::showSelectMenu(const QPoint& at) {
  if (state_.catalogue().lstmain().isEmpty()) return;
  QMenu menu(QStringLiteral("&Select"), this);
  const char* const items[] = {"Select &All", "Select &None", "&Invert Selection", nullptr, "All of this &type",
                               "&None of this type", nullptr, "All in this &path", "&None in this path", nullptr,
                               "&Smaller than this", "&Bigger than this"};
  for (int item = 0; item < int(std::size(items)); ++item) {
    if (!items[item]) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromLatin1(items[item]));
    action->setObjectName(QStringLiteral("mnuselitem%1").arg(item));
    connect(action, &QAction::triggered, this, [this, item] {
      QList<int> highlighted;
      for (const QModelIndex& index : upperView_->selectionModel()->selectedRows()) highlighted.append(index.row());
      run([&] { state_.mnuselitem_Click(item, highlighted); });
    });
  }
  menu.exec(upperView_->viewport()->mapToGlobal(at));
}

void MainWindow::showDeleteMenu(const QPoint& at) {
  if (state_.catalogue().lstsec().isEmpty()) return;
  QMenu menu(QStringLiteral("Delete"), this);
  connect(menu.addAction(QStringLiteral("&Clear the files")), &QAction::triggered, this,
          [this] { run([&] { state_.mnuclear_Click(); }); });
  connect(menu.addAction(QStringLiteral("&Delete the files")), &QAction::triggered, this,
          [this] { run([&] { state_.mnufiledelete_Click(); }); });
  menu.exec(lowerView_->viewport()->mapToGlobal(at));
}

void MainWindow::syncControl(const catalogue::Control& c, QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text() != c.text) label->setText(c.text);
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    check->setText(c.text);
    check->setChecked(c.value == 1);
  } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
    option->setText(c.text);
    if (c.value != 0) option->setChecked(true);
  } else if (auto* push = qobject_cast<QPushButton*>(w)) {
    push->setText(c.text);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
    if (items != c.items) {
      combo->clear();
      combo->addItems(c.items);
    }
    if (combo->currentText() != c.text) combo->setEditText(c.text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (edit->text() != c.text) edit->setText(c.text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    frame->setTitle(c.text);
  }
  if (w->toolTip() != c.toolTip) w->setToolTip(c.toolTip);
  w->setEnabled(c.enabled);
  if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

void MainWindow::makeDriveButtons() {
  const QString name = QStringLiteral("cmdcdrom");
  for (int index = 0; std::as_const(state_).form().find(name, index); ++index) {
    if (control(name, index)) continue;
    auto* button = make<QPushButton>(name, index);
    driveRow_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, index] { run([&] { state_.cmdcdrom_Click(index); }); });
  }
}

void MainWindow::syncFromState() {
  state_.flushLabels();
  const catalogue::Form& form = std::as_const(state_).form();
  if (formSeen_ != form.revision()) {
    formSeen_ = form.revision();
    makeDriveButtons();
    syncing_ = true;
    for (const catalogue::Control& c : form.controls()) {
      if (c.name == QLatin1String("frmmain")) {
        setWindowTitle(c.text);
        continue;
      }
      if (QWidget* w = control(c.name, c.index)) syncControl(c, w);
    }
    syncing_ = false;
  }
  if (upperModel_->sync()) fitColumns(upperView_);
  if (lowerModel_->sync()) fitColumns(lowerView_);
}

void MainWindow::fitColumns(QTableView* view) {
  if (view->model()->rowCount() == 0) return;
  const int least = pixels(this, 1100);
  for (int column = 0; column < view->model()->columnCount(); ++column) {
    view->resizeColumnToContents(column);
    if (column > 0 && view->columnWidth(column) < least) view->setColumnWidth(column, least);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A command still running sees the request at its next look and ends; a command line
  // still running ends after its current switch.
  state_.run().stopflag = true;
  state_.run().closing = true;
  QMainWindow::closeEvent(event);
}

}  // namespace windows
