// Control records kept in creation order, found by name and index.
#include "catalogue/Form.h"

namespace catalogue {

Control& Form::operator()(const QString& name, int index) {
  ++revision_;
  const QString key = keyOf(name, index);
  const auto it = byKey_.constFind(key);
  if (it != byKey_.constEnd()) return controls_[*it];
  byKey_.insert(key, controls_.size());
  Control& c = controls_.emplace_back();
  c.name = name;
  c.index = index;
  return c;
}

const Control* Form::find(const QString& name, int index) const {
  const auto it = byKey_.constFind(keyOf(name, index));
  return it == byKey_.constEnd() ? nullptr : &controls_[*it];
}

QString Form::text(const QString& name, int index) const {
  const Control* c = find(name, index);
  return c ? c->text : QString();
}

}  // namespace catalogue
