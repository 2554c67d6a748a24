// The main window's state as plain data: a named collection of control records. The
// handlers read and write these records; the Qt window mirrors them into its widgets by
// control name, and the headless run prints them.
#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>
#include <deque>

namespace catalogue {

struct Control {
  QString name;
  int index = -1;      // position in a control array, -1 for a single control
  QString text;        // caption of a label, button or frame; text of a box
  QString toolTip;
  QString tag;
  bool enabled = true;
  bool visible = true;
  int value = 0;       // check box or option button: 1 when set
  QStringList items;   // drop-down list of a combo box, rows of a list box
  QRect geometry;      // twips; empty until the layout places the control
};

class Form {
 public:
  // The record of a control, made on first use; every non-const access counts as a change.
  Control& operator()(const QString& name, int index = -1);
  const Control* find(const QString& name, int index = -1) const;
  // Text of a control, empty when it does not exist.
  QString text(const QString& name, int index = -1) const;

  // Bumped on every non-const access; a view re-reads the records when it changes.
  quint64 revision() const { return revision_; }
  const std::deque<Control>& controls() const { return controls_; }

 private:
  static QString keyOf(const QString& name, int index) {
    return index < 0 ? name : name + u'(' + QString::number(index) + u')';
  }
  std::deque<Control> controls_;  // a deque keeps references to records valid as new ones are made
  QHash<QString, size_t> byKey_;
  quint64 revision_ = 0;
};

}  // namespace catalogue
