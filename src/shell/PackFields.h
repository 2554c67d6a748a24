// Reads a language pack field by field, the way comma-separated text is read: a field ends
// at a comma or a line end (LF or CR LF); blanks before it are skipped and blanks after an
// unquoted field dropped; a field that begins with a double quote runs to the next double
// quote, across line ends, and whatever follows that quote up to the next comma or line
// end is dropped. A quote that never closes takes the rest of the text.
#pragma once

#include <QString>
#include <optional>

namespace shell {

class PackFields {
 public:
  explicit PackFields(QString text) : text_(std::move(text)) {}

  // The next field, or nothing at the end of the text.
  std::optional<QString> next();
  bool atEnd() const { return pos_ >= text_.size(); }

 private:
  bool atBlank() const;
  // Past the comma or line end that ends a field; true when one was there.
  bool skipDelimiter();

  QString text_;
  qsizetype pos_ = 0;
};

}  // namespace shell
