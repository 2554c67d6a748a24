// The field reader of the language packs.
#include "shell/PackFields.h"

namespace shell {

bool PackFields::atBlank() const { return pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'); }

bool PackFields::skipDelimiter() {
  if (pos_ >= text_.size()) return false;
  const QChar c = text_[pos_];
  if (c == u',' || c == u'\n') {
    ++pos_;
    return true;
  }
  if (c == u'\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    return true;
  }
  return false;
}

std::optional<QString> PackFields::next() {
  while (atBlank()) ++pos_;
  if (atEnd()) return std::nullopt;
  if (text_[pos_] == u'"') {
    const qsizetype open = pos_ + 1;
    qsizetype close = text_.indexOf(u'"', open);
    if (close < 0) close = text_.size();
    QString field = text_.mid(open, close - open);
    pos_ = close + 1;
    while (pos_ < text_.size() && !skipDelimiter()) ++pos_;
    return field;
  }
  const qsizetype start = pos_;
  while (pos_ < text_.size() && text_[pos_] != u',' && text_[pos_] != u'\n' && text_[pos_] != u'\r') ++pos_;
  QString field = text_.mid(start, pos_ - start);
  while (!field.isEmpty() && (field.back() == u' ' || field.back() == u'\t')) field.chop(1);
  skipDelimiter();
  return field;
}

}  // namespace shell
