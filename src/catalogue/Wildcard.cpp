// Compiled wildcard patterns. Every token but "*" stands for exactly one character, so
// the classic two-pointer match with one back-tracking point is exact and linear in practice.
#include "catalogue/Wildcard.h"

namespace catalogue {


namespace {

using Token = WildcardList::Token;

// A bracket list starting at `open`; returns the index after its "]", or -1 when it is not
// closed (the "[" is then an ordinary character).
qsizetype parseSet(const QString& p, qsizetype open, Token& set) {
  const qsizetype close = p.indexOf(u']', open + 1);
  if (close < 0) return -1;
  set.kind = Token::Set;
  qsizetype i = open + 1;
  if (i < close && p.at(i) == u'!') {
    set.negated = true;
    ++i;
  }
  while (i < close) {
    const QChar lo = p.at(i);
    if (i + 2 < close && p.at(i + 1) == u'-') {
      set.ranges.emplace_back(lo, p.at(i + 2));
      i += 3;
    } else {
      set.ranges.emplace_back(lo, lo);
      ++i;
    }
  }
  return close + 1;
}

WildcardList::Pattern compile(const QString& p, WildcardList::Syntax syntax) {
  WildcardList::Pattern tokens;
  const bool like = syntax == WildcardList::Syntax::Like;
  for (qsizetype i = 0; i < p.size();) {
    const QChar c = p.at(i);
    Token t;
    if (c == u'*') {
      t.kind = Token::Star;
      if (!tokens.empty() && tokens.back().kind == Token::Star) {
        ++i;
        continue;
      }
    } else if (c == u'?') {
      t.kind = Token::AnyChar;
    } else if (like && c == u'#') {
      t.kind = Token::Digit;
    } else if (like && c == u'[') {
      const qsizetype next = parseSet(p, i, t);
      if (next >= 0) {
        tokens.push_back(std::move(t));
        i = next;
        continue;
      }
      t.ch = c;
    } else {
      t.ch = c;
    }
    tokens.push_back(std::move(t));
    ++i;
  }
  return tokens;
}

bool matchPattern(const WildcardList::Pattern& p, const QString& s) {
  size_t pi = 0;
  qsizetype si = 0;
  size_t starP = SIZE_MAX;
  qsizetype starS = 0;
  const size_t pn = p.size();
  const qsizetype sn = s.size();
  while (si < sn) {
    if (pi < pn && p[pi].kind == Token::Star) {
      starP = pi++;
      starS = si;
    } else if (pi < pn && p[pi].matches(s.at(si))) {
      ++pi;
      ++si;
    } else if (starP != SIZE_MAX) {
      pi = starP + 1;
      si = ++starS;
    } else {
      return false;
    }
  }
  while (pi < pn && p[pi].kind == Token::Star) ++pi;
  return pi == pn;
}

}  // namespace

WildcardList::WildcardList(const QString& patterns, Syntax syntax) {
  if (patterns.isEmpty()) return;
  for (QString part : patterns.toLower().split(u';')) {
    if (syntax == Syntax::Listing) {
      part = part.trimmed();
      if (part.isEmpty()) continue;
      if (part == u"*.*" || part == u"*") {
        matchesAll_ = true;
        continue;
      }
    }
    patterns_.push_back(compile(part, syntax));
  }
}

bool WildcardList::matches(const QString& name) const {
  if (matchesAll_) return true;
  if (patterns_.empty()) return false;
  const QString lower = name.toLower();
  for (const Pattern& p : patterns_)
    if (matchPattern(p, lower)) return true;
  return false;
}

bool islike(const QString& filter, const QString& name) {
  return WildcardList(filter, WildcardList::Syntax::Like).matches(name);
}

}  // namespace catalogue
