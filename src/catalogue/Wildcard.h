// Wildcard patterns: the "like" test of the Exclusive mode and of the icon keys ("*", "?",
// "#" for a digit, [abc], [a-z], [!abc]), and the folder listing's pattern ("*" and "?"
// only, where "*.*" means every file). Both compare with letter case ignored. A pattern
// list is compiled once and then matched against many names.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace catalogue {

class WildcardList {
 public:
  enum class Syntax { Like, Listing };
  WildcardList(const QString& patterns, Syntax syntax);

  // Whether the whole name matches one of the patterns.
  bool matches(const QString& name) const;
  bool isEmpty() const { return patterns_.empty() && !matchesAll_; }

  struct Token {
    enum Kind { Literal, AnyChar, Digit, Set, Star } kind = Literal;
    QChar ch;
    bool negated = false;
    std::vector<std::pair<QChar, QChar>> ranges;
  
    bool matches(QChar c) const {
      switch (kind) {
        case Literal: return c == ch;
        case AnyChar: return true;
        case Digit: return c >= u'0' && c <= u'9';
        case Set: {
          bool in = false;
          for (const auto& [lo, hi] : ranges) in = in || (c >= lo && c <= hi);
          return in != negated;
        }
        case Star: return false;
      }
      return false;
    }
  };
  using Pattern = std::vector<Token>;

 private:
  std::vector<Pattern> patterns_;
  bool matchesAll_ = false;
};

// The ";"-separated list matched against a whole name, letter case ignored. Blanks are
// part of the patterns; an empty list matches nothing.
bool islike(const QString& filter, const QString& name);

}  // namespace catalogue
