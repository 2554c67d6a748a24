// The first characters of a text, ready for a quick comparison that gives the answer of
// QString::compare(a, b, Qt::CaseInsensitive) whenever the answer lies in them. Letter
// case is folded unit by unit there, and the first unit whose folds differ decides; an
// ASCII unit folds to its lower case whatever stands before it, so a run of ASCII units
// at the start can be compared as bytes. Past that run the texts must be compared in full.
#pragma once

#include <QtGlobal>
#include <QStringView>
#include <optional>

namespace catalogue {

class CaselessHead {
 public:
  CaselessHead() = default;
  explicit CaselessHead(QStringView text);

  // -1, 0 or 1 as the case-insensitive comparison of the texts would order them, or
  // nothing when that depends on characters past the heads.
  std::optional<int> compare(const CaselessHead& other) const {
    const int common = qMin(known_, other.known_);
    const quint64 highMask = topBytes(common), lowMask = topBytes(common - 8);
    if (const int c = order(high_ & highMask, other.high_ & highMask)) return c;
    if (const int c = order(low_ & lowMask, other.low_ & lowMask)) return c;
    // The units both know are the same: a whole text that the other goes on past is shorter.
    if (whole_ && other.whole_) return order(known_, other.known_);
    if (whole_ && other.known_ >= known_) return -1;
    if (other.whole_ && known_ >= other.known_) return 1;
    return std::nullopt;
  }

 private:
  static constexpr int room = 16;
  // The top `bytes` bytes of a word (0 to 8).
  static quint64 topBytes(int bytes) {
    return bytes <= 0 ? 0 : bytes >= 8 ? ~quint64(0) : ~(~quint64(0) >> (8 * bytes));
  }
  static int order(quint64 a, quint64 b) { return a < b ? -1 : a > b ? 1 : 0; }

  // The folded ASCII units, eight to a word, the first in the highest byte; zero past `known_`.
  quint64 high_ = 0, low_ = 0;
  quint8 known_ = 0;     // the leading ASCII units held, at most `room`
  bool whole_ = true;    // the heads hold the whole text
};

}  // namespace catalogue
