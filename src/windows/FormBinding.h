// The one binding between a window's control records and Qt widgets: it makes the widget
// of every record from its kind, parent and design geometry, re-applies the records that
// changed, and sends each user event to the handler that the window's event table names.
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <vector>

#include "catalogue/FileList.h"
#include "catalogue/Form.h"
#include "platform/ThemeIconProvider.h"

class QMenu;
class QTableView;
class QWidget;

namespace windows {

class FileListModel;

enum class FormEvent {
  Click,        // button pressed, box ticked, option chosen, item picked, menu entry chosen
  Change,       // the text of a box was edited
  Enter,        // Enter pressed in a box
  LostFocus,    // the box was left
  DoubleClick,  // a row of a list
  HeaderClick,  // a column header of a list
  ContextMenu,  // the right button released over a list or a button
  Drop,         // local files or folders dropped
  MouseDown,
  MouseMove,
  MouseUp,
};

struct EventArgs {
  int index = -1;     // member of a control array, or the column or row of a list
  int y = 0;          // mouse events: the pointer's height within the control, in twips
  bool leftButton = false;
  QPoint at;          // context menu: the pointer, in global pixels
  QString text;       // the new text of a box
  QStringList paths;  // dropped files and folders
};

struct EventRoute {
  catalogue::ControlId control;
  FormEvent event;
  std::function<void(const EventArgs&)> handler;
};

// A window's state as its record keeps it: 0 normal, 1 minimised, 2 maximised. A window
// minimised from the maximised state is minimised, whatever it returns to; full screen
// counts as maximised.
int recordWindowState(Qt::WindowStates state);

// A list view's rows and how its check marks are written.
struct ListSource {
  const catalogue::FileList* list = nullptr;
  std::function<void(int row, bool checked)> setChecked;
};

class FormBinding final : public QObject {
  Q_OBJECT
 public:
  FormBinding(catalogue::Form& form, QWidget& window, const platform::ThemeIconProvider* icons,
              std::function<ListSource(const QString& name)> lists);
  ~FormBinding() override;

  // The event table: each user event of a control goes to its handler; events without a
  // route are ignored.
  void route(std::vector<EventRoute> routes);
  // Re-applies the records changed since the last call and makes the widgets of newly
  // loaded control-array members.
  void apply();
  // Brings the list views up to date with their rows; the names of the lists that changed.
  QStringList syncLists();

  QWidget* widget(catalogue::ControlId id, int index = -1) const { return widget(nameOf(id), index); }
  // By the name a record carries, as syncLists gives it.
  QWidget* widget(const QString& name, int index = -1) const;
  FileListModel* model(catalogue::ControlId list) const { return models_.value(nameOf(list)); }
  // Shows a popup menu at a global position, if it has visible entries.
  void popup(catalogue::ControlId menu, const QPoint& at);
  // The highlighted rows of a list view, 0-based and ascending.
  QList<int> highlightedRows(catalogue::ControlId list) const;
  void highlightRows(catalogue::ControlId list, const QList<int>& rows);

  int pixels(int twips) const;
  int twips(int pixels) const;
  // The width in twips a control of `kind` needs to show `caption` whole in this window's
  // font and style, rounded up so that the widget it becomes is never a pixel short.
  int captionTwips(catalogue::ControlKind kind, const QString& caption) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static QString nameOf(catalogue::ControlId id) { return QString::fromLatin1(id.name); }
  void make(const catalogue::Control& control);
  QWidget* makeWidget(const catalogue::Control& control, QWidget* parent);
  void makeListView(const catalogue::Control& control, QTableView* view);
  void connectEvents(const catalogue::Control& control, QWidget* widget);
  void applyRecord(const catalogue::Control& control);
  void dispatch(const QString& name, FormEvent event, const EventArgs& args);
  // The record behind a widget made by make(): name and index.
  void remember(const catalogue::Control& control, QObject* object);
  void orderTabs();

  catalogue::Form& form_;
  QWidget& window_;
  const platform::ThemeIconProvider* icons_;
  std::function<ListSource(const QString&)> lists_;
  QHash<QString, QWidget*> widgets_;
  QHash<QString, QMenu*> menus_;
  QHash<QString, QObject*> entries_;  // menu entries and separators (QAction)
  QHash<QString, FileListModel*> models_;
  QHash<QObject*, std::pair<QString, int>> records_;
  QHash<QString, std::function<void(const EventArgs&)>> routes_;
  quint64 seen_ = 0;
  bool applying_ = false;
};

}  // namespace windows
