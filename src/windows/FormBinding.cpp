// Widgets are named after their records ("optmain1" for member 1 of optmain) and placed
// by their geometry alone: no box layouts, so the layout rules of the window decide every
// place. Writing a record into its widget never counts as a user event.
#include "windows/FormBinding.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <algorithm>
#include <cmath>

#include "windows/FileListModel.h"
#include "windows/FolderDropFilter.h"

namespace windows {

namespace {

using catalogue::Control;
using Kind = catalogue::ControlKind;

using catalogue::Form;

QString keyOf(const QString& name, int index) { return Form::keyOf(name, index); }

QString routeKey(const QString& name, FormEvent event) { return name + u'#' + QString::number(int(event)); }

const QColor panelColour(240, 237, 225);

void paint(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

int recordWindowState(Qt::WindowStates state) {
  if (state.testFlag(Qt::WindowMinimized)) return 1;
  if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return 2;
  return 0;
}

FormBinding::FormBinding(catalogue::Form& form, QWidget& window, const platform::ThemeIconProvider* icons,
                         std::function<ListSource(const QString&)> lists)
    : QObject(&window), form_(form), window_(window), icons_(icons), lists_(std::move(lists)) {
  for (const Control& control : form_.controls()) make(control);
  apply();
  orderTabs();
}

FormBinding::~FormBinding() = default;

int FormBinding::pixels(int twips) const { return qRound(twips * window_.logicalDpiX() / 1440.0); }

int FormBinding::twips(int pixels) const { return qRound(pixels * 1440.0 / window_.logicalDpiX()); }

int FormBinding::captionTwips(catalogue::ControlKind kind, const QString& caption) const {
  const QStyle* style = window_.style();
  const QSize text = window_.fontMetrics().size(Qt::TextShowMnemonic, caption);
  const auto metric = [style](QStyle::PixelMetric m) { return style->pixelMetric(m); };
  int needed = text.width();
  switch (kind) {
    case Kind::Button:
      // The frame and margin the style draws around a button's text, and the ring of a
      // default button; not the least width some styles give every button.
      needed += metric(QStyle::PM_ButtonMargin) +
                2 * (metric(QStyle::PM_DefaultFrameWidth) + metric(QStyle::PM_ButtonDefaultIndicator));
      break;
    case Kind::CheckBox:
      needed += std::max(metric(QStyle::PM_IndicatorWidth), metric(QStyle::PM_IndicatorHeight)) +
                metric(QStyle::PM_CheckBoxLabelSpacing);
      break;
    case Kind::OptionButton:
      needed += std::max(metric(QStyle::PM_ExclusiveIndicatorWidth), metric(QStyle::PM_ExclusiveIndicatorHeight)) +
                metric(QStyle::PM_RadioButtonLabelSpacing);
      break;
    case Kind::ComboBox:
    case Kind::PickList: {
      QStyleOptionComboBox option;
      option.initFrom(&window_);
      option.editable = true;
      // The box's edit field keeps a margin of 2 pixels either side of its text (as every
      // line edit does) and a pixel for the cursor after it.
      needed = style->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text.width() + 5, text.height()), nullptr)
                   .width();
      break;
    }
    default:
      break;
  }
  return int(std::ceil(needed * 1440.0 / window_.logicalDpiX()));
}

QWidget* FormBinding::widget(const QString& name, int index) const { return widgets_.value(keyOf(name, index)); }

void FormBinding::remember(const Control& control, QObject* object) {
  object->setObjectName(control.index < 0 ? control.name : control.name + QString::number(control.index));
  records_.insert(object, {control.name, control.index});
}

void FormBinding::make(const Control& c) {
  const QString key = keyOf(c.name, c.index);
  if (c.kind == Kind::Menu) {
    auto* menu = new QMenu(c.text, &window_);
    remember(c, menu);
    menus_.insert(c.name, menu);
  } else if (c.kind == Kind::MenuEntry || c.kind == Kind::CheckEntry || c.kind == Kind::Separator) {
    QMenu* menu = menus_.value(c.parent);
    if (!menu) return;
    QAction* action = c.kind == Kind::Separator ? menu->addSeparator() : menu->addAction(c.text);
    action->setCheckable(c.kind == Kind::CheckEntry);
    remember(c, action);
    entries_.insert(key, action);
    const QString name = c.name;
    const int index = c.index;
    // A checked entry's click has toggled its mark: the record takes it before the handler runs.
    connect(action, &QAction::triggered, this, [this, name, index](bool checked) {
      if (std::as_const(form_).findNamed(name, index)->kind == Kind::CheckEntry)
        form_.findNamed(name, index)->value = checked ? 1 : 0;
      EventArgs args;
      args.index = index;
      dispatch(name, FormEvent::Click, args);
    });
  } else if (c.kind == Kind::Column) {
    if (auto* view = qobject_cast<QTableView*>(widget(c.parent)); view && c.geometry.width() > 0)
      view->setColumnWidth(c.index, pixels(c.geometry.width()));
  } else if (catalogue::isWidgetKind(c.kind)) {
    QWidget* parent = c.parent.isEmpty() ? &window_ : widget(c.parent);
    if (!parent) return;
    QWidget* w = makeWidget(c, parent);
    remember(c, w);
    widgets_.insert(key, w);
    connectEvents(c, w);
  }
}

QWidget* FormBinding::makeWidget(const Control& c, QWidget* parent) {
  switch (c.kind) {
    case Kind::Button:
      return new QPushButton(parent);
    case Kind::PictureButton: {
      auto* button = new QPushButton(parent);
      button->setIcon(QIcon::fromTheme(c.picture));
      return button;
    }
    case Kind::TextBox:
      return new QLineEdit(parent);
    case Kind::Memo: {
      auto* memo = new QPlainTextEdit(parent);
      memo->setReadOnly(true);
      return memo;
    }
    case Kind::ComboBox:
    case Kind::PickList: {
      // Both keep their drop-down lists but never complete what is typed from them; a pick
      // list shows any text it is given, but the user can only pick.
      auto* box = new QComboBox(parent);
      box->setEditable(true);
      box->setInsertPolicy(QComboBox::NoInsert);
      box->setCompleter(nullptr);
      box->lineEdit()->setReadOnly(c.kind == Kind::PickList);
      return box;
    }
    case Kind::CheckBox:
      return new QCheckBox(parent);
    case Kind::OptionButton:
      return new QRadioButton(parent);
    case Kind::Frame: {
      // A frame lies over other controls (the progress frame over the lower list): it hides
      // them instead of letting their rows show through its title and labels.
      auto* frame = new QGroupBox(parent);
      frame->setAutoFillBackground(true);
      return frame;
    }
    case Kind::Panel: {
      auto* panel = new QWidget(parent);
      paint(panel, panelColour);
      return panel;
    }
    case Kind::Splitter: {
      auto* bar = new QFrame(parent);
      bar->setCursor(Qt::SplitVCursor);
      bar->installEventFilter(this);
      return bar;
    }
    case Kind::ListView: {
      auto* view = new QTableView(parent);
      makeListView(c, view);
      return view;
    }
    case Kind::Image: {
      auto* image = new QLabel(parent);
      image->installEventFilter(this);
      if (!c.picture.isEmpty()) image->setPixmap(QIcon::fromTheme(c.picture).pixmap(pixels(c.geometry.height())));
      return image;
    }
    default: {
      auto* label = new QLabel(parent);
      label->installEventFilter(this);  // a label can be a link
      return label;
    }
  }
}

void FormBinding::makeListView(const Control& c, QTableView* view) {
  const ListSource source = lists_(c.name);
  if (!source.list) return;
  auto* model = new FileListModel(*source.list, source.setChecked, icons_, view);
  models_.insert(c.name, model);
  view->setModel(model);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setShowGrid(false);
  view->setWordWrap(false);
  view->setTabKeyNavigation(false);  // one Tab stop: Tab leaves the list, whatever its length
  view->horizontalHeader()->setResizeContentsPrecision(500);
  view->horizontalHeader()->setStretchLastSection(false);
  view->horizontalHeader()->setSectionsClickable(true);
  view->setIconSize(QSize(16, 16));
  view->viewport()->setAcceptDrops(true);
  // A list whose rows can be dragged out starts the drag itself when a row is pulled.
  view->setDragEnabled(model->offersDrag());
}

void FormBinding::connectEvents(const Control& c, QWidget* w) {
  const QString name = c.name;
  const int index = c.index;
  const auto send = [this, name, index](FormEvent event, EventArgs args = {}) {
    args.index = args.index < 0 ? index : args.index;
    dispatch(name, event, args);
  };
  const auto drops = [this, send](QObject* target) {
    target->installEventFilter(new FolderDropFilter(
        [send](const QStringList& paths) {
          EventArgs args;
          args.paths = paths;
          send(FormEvent::Drop, args);
        },
        this));
  };
  const auto typed = [this, name, index, send](const QString& text) {
    if (applying_) return;
    form_.findNamed(name, index)->text = text;
    EventArgs args;
    args.text = text;
    send(FormEvent::Change, args);
  };

  const auto contextMenu = [this, send](QWidget* over, QWidget* source) {
    source->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(source, &QWidget::customContextMenuRequested, this, [send, over](const QPoint& at) {
      EventArgs args;
      args.at = over->mapToGlobal(at);
      send(FormEvent::ContextMenu, args);
    });
  };
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    connect(button, &QPushButton::clicked, this, [send] { send(FormEvent::Click); });
    contextMenu(button, button);
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    connect(check, &QCheckBox::toggled, this, [this, name, index, send](bool on) {
      if (applying_) return;
      form_.findNamed(name, index)->value = on ? 1 : 0;
      send(FormEvent::Click);
    });
  } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
    connect(option, &QRadioButton::toggled, this, [this, name, index, send](bool on) {
      if (applying_) return;
      form_.findNamed(name, index)->value = on ? 1 : 0;
      if (on) send(FormEvent::Click);
    });
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    connect(edit, &QLineEdit::textChanged, this, typed);
    connect(edit, &QLineEdit::returnPressed, this, [send] { send(FormEvent::Enter); });
    records_.insert(edit, {name, index});
    edit->installEventFilter(this);
  } else if (auto* box = qobject_cast<QComboBox*>(w)) {
    if (c.kind == Kind::PickList) {
      connect(box, &QComboBox::activated, this, [this, box, name, index, send](int item) {
        if (applying_) return;
        form_.findNamed(name, index)->text = box->itemText(item);
        send(FormEvent::Click);
      });
    } else {
      connect(box, &QComboBox::editTextChanged, this, typed);
      connect(box->lineEdit(), &QLineEdit::returnPressed, this, [send] { send(FormEvent::Enter); });
      records_.insert(box->lineEdit(), {name, index});
      box->lineEdit()->installEventFilter(this);
      // The box, not its line, takes the focus and hands the focus events to the line
      // past any filter: the box is where a Tab or a click elsewhere is seen.
      box->installEventFilter(this);
      box->setAcceptDrops(true);
      drops(box);
      drops(box->lineEdit());
    }
  } else if (auto* view = qobject_cast<QTableView*>(w)) {
    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this, [send](int column) {
      EventArgs args;
      args.index = column;
      send(FormEvent::HeaderClick, args);
    });
    connect(view, &QTableView::doubleClicked, this, [send](const QModelIndex& cell) {
      EventArgs args;
      args.index = cell.row();
      if (cell.isValid()) send(FormEvent::DoubleClick, args);
    });
    contextMenu(view->viewport(), view);
    drops(view->viewport());
  }
}

bool FormBinding::eventFilter(QObject* watched, QEvent* event) {
  const auto record = records_.constFind(watched);
  if (record == records_.constEnd()) return QObject::eventFilter(watched, event);
  const auto [name, index] = *record;
  EventArgs args;
  args.index = index;
  switch (event->type()) {
    case QEvent::FocusOut:
      // A box's own drop-down list takes the focus for a moment; the box is not left.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        dispatch(name, FormEvent::LostFocus, args);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
      // Only the splitter takes the mouse for itself; a label or image is clicked on the
      // release of the left button; boxes keep their own handling.
      const Kind control = std::as_const(form_).findNamed(name, index)->kind;
      if ((control == Kind::Label || control == Kind::Image) && event->type() == QEvent::MouseButtonRelease &&
          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        dispatch(name, FormEvent::Click, args);
      if (control != Kind::Splitter) break;
      // The bar stays in sight while it is dragged over the controls it divides.
      if (event->type() == QEvent::MouseButtonPress) static_cast<QWidget*>(watched)->raise();
      const auto* mouse = static_cast<QMouseEvent*>(event);
      args.y = twips(qRound(mouse->position().y()));
      args.leftButton = mouse->buttons().testFlag(Qt::LeftButton);
      const FormEvent kind = event->type() == QEvent::MouseButtonPress  ? FormEvent::MouseDown
                             : event->type() == QEvent::MouseMove       ? FormEvent::MouseMove
                                                                        : FormEvent::MouseUp;
      dispatch(name, kind, args);
      apply();
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void FormBinding::route(std::vector<EventRoute> routes) {
  for (EventRoute& r : routes) routes_.insert(routeKey(nameOf(r.control), r.event), std::move(r.handler));
}

void FormBinding::dispatch(const QString& name, FormEvent event, const EventArgs& args) {
  const auto handler = routes_.constFind(routeKey(name, event));
  if (handler != routes_.constEnd()) (*handler)(args);
}

void FormBinding::apply() {
  if (form_.revision() == seen_) return;
  applying_ = true;
  for (const Control& c : std::as_const(form_).controls()) {
    if (c.changed <= seen_) continue;
    const QString key = keyOf(c.name, c.index);
    if (catalogue::isWidgetKind(c.kind) && !widgets_.contains(key)) make(c);
    applyRecord(c);
  }
  seen_ = form_.revision();
  applying_ = false;
}

void FormBinding::applyRecord(const Control& c) {
  const QString key = keyOf(c.name, c.index);
  if (c.kind == Kind::Window) {
    QWidget* top = window_.window();
    top->setWindowTitle(c.text);
    // A state the window is in already is left alone: a minimised window keeps the
    // maximised state it returns to.
    if (recordWindowState(top->windowState()) != c.value)
      top->setWindowState(c.value == 2 ? Qt::WindowMaximized : c.value == 1 ? Qt::WindowMinimized : Qt::WindowNoState);
    if (c.value != 0) return;
    const QSize size(pixels(c.geometry.width()), pixels(c.geometry.height()));
    if (size.isValid() && size != top->size()) top->resize(size);
    const QPoint place(pixels(c.geometry.left()), pixels(c.geometry.top()));
    if (place != top->pos()) top->move(place);
    return;
  }
  if (c.kind == Kind::Column) {
    if (FileListModel* model = models_.value(c.parent)) model->setHeader(c.index, c.text);
    return;
  }
  if (c.kind == Kind::Menu) {
    if (QMenu* menu = menus_.value(c.name)) menu->setTitle(c.text);
    return;
  }
  if (auto* action = qobject_cast<QAction*>(entries_.value(key))) {
    if (!action->isSeparator()) action->setText(c.text);
    if (action->isCheckable()) action->setChecked(c.value == 1);
    action->setVisible(c.visible);
    action->setEnabled(c.enabled);
    return;
  }
  QWidget* w = widgets_.value(key);
  if (!w) return;
  if (c.geometry.width() > 0 && c.geometry.height() > 0) {
    const QRect place(pixels(c.geometry.left()), pixels(c.geometry.top()), pixels(c.geometry.width()),
                      pixels(c.geometry.height()));
    if (w->geometry() != place) w->setGeometry(place);
  }
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (c.kind != Kind::Image && label->text() != c.text) label->setText(c.text);
    // A label made two lines high or more wraps a long text at its blanks; a text that
    // breaks its own lines keeps them, so that its later lines keep their place.
    const bool wraps = c.kind != Kind::Image && !c.text.contains(u'\n') &&
                       pixels(c.geometry.height()) >= 2 * label->fontMetrics().lineSpacing();
    if (label->wordWrap() != wraps) label->setWordWrap(wraps);
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    check->setText(c.text);
    check->setChecked(c.value == 1);
  } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
    option->setText(c.text);
    if (c.value != 0) option->setChecked(true);
  } else if (auto* push = qobject_cast<QPushButton*>(w)) {
    push->setText(c.text);
  } else if (auto* box = qobject_cast<QComboBox*>(w)) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items.append(box->itemText(i));
    if (items != c.items) {
      box->clear();
      box->addItems(c.items);
    }
    if (box->currentText() != c.text) box->setEditText(c.text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (edit->text() != c.text) edit->setText(c.text);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
    if (memo->toPlainText() != c.text) memo->setPlainText(c.text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    frame->setTitle(c.text);
  } else if (c.kind == Kind::Splitter) {
    paint(w, c.tag.startsWith(u'#') ? QColor(c.tag) : panelColour);
  }
  if (w->toolTip() != c.toolTip) w->setToolTip(c.toolTip);
  w->setEnabled(c.enabled);
  if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

QStringList FormBinding::syncLists() {
  QStringList changed;
  for (auto it = models_.constBegin(); it != models_.constEnd(); ++it)
    if ((*it)->sync()) changed.append(it.key());
  return changed;
}

void FormBinding::popup(catalogue::ControlId menuId, const QPoint& at) {
  const QString menu = nameOf(menuId);
  if (QMenu* m = menus_.value(menu)) m->exec(at);
}

QList<int> FormBinding::highlightedRows(catalogue::ControlId list) const {
  QList<int> rows;
  if (auto* view = qobject_cast<QTableView*>(widget(list)))
    for (const QModelIndex& index : view->selectionModel()->selectedRows()) rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void FormBinding::highlightRows(catalogue::ControlId list, const QList<int>& rows) {
  auto* view = qobject_cast<QTableView*>(widget(list));
  if (!view) return;
  QAbstractItemModel* model = view->model();
  QItemSelection selection;
  // Runs of neighbouring rows make one range each, so a large highlight stays cheap.
  for (qsizetype i = 0; i < rows.size();) {
    qsizetype j = i;
    while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
    selection.select(model->index(rows[i], 0), model->index(rows[j], model->columnCount() - 1));
    i = j + 1;
  }
  view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void FormBinding::orderTabs() {
  // The screen's reading order: rows of controls from the top, each from the left. A
  // control's row is the band its middle falls in, so a taller button beside a box shares
  // the box's row.
  struct Stop {
    int band, left;
    QWidget* widget;
  };
  std::vector<Stop> stops;
  for (const Control& c : form_.controls()) {
    QWidget* w = widgets_.value(keyOf(c.name, c.index));
    if (!w || !(w->focusPolicy() & Qt::TabFocus)) continue;
    QPoint origin = c.geometry.topLeft();
    for (const Control* p = c.parent.isEmpty() ? nullptr : std::as_const(form_).findNamed(c.parent); p;
         p = p->parent.isEmpty() ? nullptr : std::as_const(form_).findNamed(p->parent))
      origin += p->geometry.topLeft();
    stops.push_back({(origin.y() + c.geometry.height() / 2) / 300, origin.x(), w});
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const Stop& a, const Stop& b) { return std::tie(a.band, a.left) < std::tie(b.band, b.left); });
  for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

}  // namespace windows
