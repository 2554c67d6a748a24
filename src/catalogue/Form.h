// The state of a window as plain data: a named collection of control records, declared
// once per window in a table. The handlers read and write these records; the Qt binding
// mirrors the records that changed into their widgets by control name, and the headless
// run prints them.
#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>
#include <deque>
#include <span>

namespace catalogue {

enum class ControlKind {
  Window,         // the window itself: its caption is the window title
  Label,
  Button,
  PictureButton,  // a button that shows an icon instead of its (empty) caption
  TextBox,
  Memo,           // a read-only text of several lines
  ComboBox,       // editable: the text can be typed or picked from the items
  PickList,       // a combo box whose text can only be picked
  CheckBox,
  OptionButton,
  Frame,
  ListView,
  Column,         // a column header of the list view named as its parent
  Image,
  Menu,           // a popup menu; its entries name it as their parent
  MenuEntry,
  CheckEntry,     // a menu entry with a check mark: its value is 1 while checked
  Separator,      // a line between menu entries
  Timer,
  Panel,
  Splitter,
  Helper,         // a control that never shows: a hidden list or drawing surface
};

// A control as the program addresses it. Each window declares its ids once, beside its
// table, with FILLPACK_CONTROL, so that a misspelt control does not compile.
struct ControlId {
  // Explicit, so that a bare string is never taken for a declared id.
  explicit constexpr ControlId(const char* declared) : name(declared) {}
  const char* name;
};
#define FILLPACK_CONTROL(id) inline constexpr ::catalogue::ControlId id{#id}

// The parent of a control that lies on the window itself.
inline constexpr ControlId onWindow{""};

// One row of a window's table of controls.
struct ControlDecl {
  ControlId name;
  int index;           // position in a control array, -1 for a single control
  ControlKind kind;
  ControlId parent;    // the frame, panel, menu or list it lies in; onWindow for the window
  const char* caption;
  const char* toolTip;
  QRect geometry;      // twips, relative to the parent
  const char* picture = "";  // name of the icon a picture button or image shows
};

struct Control {
  QString name;
  int index = -1;
  ControlKind kind = ControlKind::Label;
  QString parent;
  QString text;        // caption of a label, button or frame; text of a box
  QString toolTip;
  QString tag;
  bool enabled = true;
  bool visible = true;
  int value = 0;       // check box, option button or checked menu entry: 1 when set
  QStringList items;   // drop-down list of a combo box, rows of a list box
  QRect geometry;      // twips
  QString picture;     // icon name of a picture button or image
  quint64 changed = 0; // the form's revision at the last change of this record
};

// Whether a control of this kind stands on the screen as a widget of its own (and so has
// a place and a tool tip); windows, columns, menus, timers and helpers do not.
bool isWidgetKind(ControlKind kind);

class Form {
 public:
  // "name" for a single control, "name(index)" for a member of a control array.
  static QString keyOf(const QString& name, int index) {
    return index < 0 ? name : name + u'(' + QString::number(index) + u')';
  }

  explicit Form(std::span<const ControlDecl> table);

  // The record of a declared control; every non-const access counts as a change. An id
  // the window does not declare, or an array member that is not loaded, is a programming
  // error and ends the program: an index from outside is looked up with find first.
  Control& operator()(ControlId id, int index = -1);
  // The record, or nullptr for an index that names none (a member of a control array that
  // is not loaded, a negative or any other index out of its range).
  const Control* find(ControlId id, int index = -1) const;
  // Text of a declared control.
  QString text(ControlId id, int index = -1) const;
  // Loads member `index` of a control array as a copy of member 0, placed to the right of
  // the member before it; the existing record when it is loaded already.
  Control& load(ControlId id, int index);

  // Lookups by a name read at run time (a language pack, the widgets of the binding): a
  // name or index the window does not hold is answered with nothing, never fatally.
  const Control* findNamed(const QString& name, int index = -1) const;
  Control* findNamed(const QString& name, int index = -1);

  // Bumped on every non-const access; a view re-applies the records changed since the
  // revision it saw last.
  quint64 revision() const { return revision_; }
  const std::deque<Control>& controls() const { return controls_; }

 private:
  Control& operator()(const QString& name, int index);
  const Control* find(const QString& name, int index) const;
  Control& load(const QString& name, int index);
  Control& add(Control control);
  [[noreturn]] static void undeclared(const QString& name, int index);

  std::deque<Control> controls_;  // a deque keeps references to records valid as members are loaded
  QHash<QString, size_t> byKey_;
  quint64 revision_ = 1;
};

}  // namespace catalogue
