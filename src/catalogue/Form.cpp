// Control records kept in table order, found by name and index.
#include "catalogue/Form.h"

#include <QtGlobal>

namespace catalogue {

bool isWidgetKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
    case ControlKind::Column:
    case ControlKind::Menu:
    case ControlKind::MenuEntry:
    case ControlKind::CheckEntry:
    case ControlKind::Separator:
    case ControlKind::Timer:
    case ControlKind::Helper:
      return false;
    default:
      return true;
  }
}

Form::Form(std::span<const ControlDecl> table) {
  for (const ControlDecl& d : table) {
    Control c;
    c.name = QString::fromLatin1(d.name.name);
    c.index = d.index;
    c.kind = d.kind;
    c.parent = QString::fromLatin1(d.parent.name);
    c.text = QString::fromUtf8(d.caption);
    c.toolTip = QString::fromUtf8(d.toolTip);
    c.geometry = d.geometry;
    c.picture = QString::fromLatin1(d.picture);
    add(std::move(c));
  }
}

Control& Form::add(Control control) {
  control.changed = revision_;
  byKey_.insert(keyOf(control.name, control.index), controls_.size());
  return controls_.emplace_back(std::move(control));
}

void Form::undeclared(const QString& name, int index) {
  qFatal("The window declares no control %s", qPrintable(keyOf(name, index)));
}

Control& Form::operator()(const QString& name, int index) {
  const auto it = byKey_.constFind(keyOf(name, index));
  if (it == byKey_.constEnd()) undeclared(name, index);
  Control& c = controls_[*it];
  c.changed = ++revision_;
  return c;
}

const Control* Form::find(const QString& name, int index) const {
  const auto it = byKey_.constFind(keyOf(name, index));
  if (it != byKey_.constEnd()) return &controls_[*it];
  // An index often comes from outside (a switch, a file): one that names no record is
  // answered with nothing, whatever its sign. Only a name the window never declared is
  // the program's own mistake.
  if (!byKey_.contains(name) && !byKey_.contains(keyOf(name, 0))) undeclared(name, index);
  return nullptr;
}


Control& Form::operator()(ControlId id, int index) { return (*this)(QString::fromLatin1(id.name), index); }

const Control* Form::find(ControlId id, int index) const { return find(QString::fromLatin1(id.name), index); }

QString Form::text(ControlId id, int index) const {
  const Control* c = find(id, index);
  return c ? c->text : QString();
}

const Control* Form::findNamed(const QString& name, int index) const {
  const auto it = byKey_.constFind(keyOf(name, index));
  return it == byKey_.constEnd() ? nullptr : &controls_[*it];
}

Control* Form::findNamed(const QString& name, int index) {
  const auto it = byKey_.constFind(keyOf(name, index));
  if (it == byKey_.constEnd()) return nullptr;
  Control& c = controls_[*it];
  c.changed = ++revision_;
  return &c;
}

Control& Form::load(ControlId id, int index) { return load(QString::fromLatin1(id.name), index); }

Control& Form::load(const QString& name, int index) {
  if (const auto it = byKey_.constFind(keyOf(name, index)); it != byKey_.constEnd()) return (*this)(name, index);
  const Control* before = find(name, index - 1);
  if (!before) undeclared(name, index);
  Control member = *before;
  member.index = index;
  member.geometry.moveLeft(before->geometry.right() + 1 + 60);
  ++revision_;
  return add(std::move(member));
}

}  // namespace catalogue
