// A text that many rows hold at once, such as a folder or a file-type description, kept in
// the room of one pointer: copies share a single QString, so a million rows of a few
// thousand folders pay for the folders once and for a pointer each.
#pragma once

#include <QExplicitlySharedDataPointer>
#include <QSharedData>
#include <QString>
#include <utility>

namespace catalogue {

class SharedText {
 public:
  SharedText() = default;
  // Implicit, so that a row's text can be given as any QString.
  SharedText(QString text) : d_(text.isEmpty() ? nullptr : new Node(std::move(text))) {}  // NOLINT

  const QString& text() const { return d_ ? d_->text : empty(); }
  operator const QString&() const { return text(); }  // NOLINT: reads like the text it holds
  bool isEmpty() const { return !d_; }
  qsizetype size() const { return text().size(); }
  const QChar* constData() const { return text().constData(); }
  // Whether both hold the very same copy: the cheap test of rows that share their text.
  bool sharesWith(const SharedText& other) const { return d_ == other.d_; }

  friend bool operator==(const SharedText& a, const SharedText& b) { return a.d_ == b.d_ || a.text() == b.text(); }
  friend bool operator==(const SharedText& a, const QString& b) { return a.text() == b; }

 private:
  struct Node : QSharedData {
    explicit Node(QString t) : text(std::move(t)) {}
    QString text;
  };
  static const QString& empty() {
    static const QString none;
    return none;
  }
  QExplicitlySharedDataPointer<Node> d_;
};

}  // namespace catalogue
