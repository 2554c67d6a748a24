// Each word takes eight units of seven bits, so no unit spills into its neighbour.
#include "catalogue/CaselessHead.h"

namespace catalogue {

CaselessHead::CaselessHead(QStringView text) {
  const qsizetype count = qMin<qsizetype>(text.size(), room);
  for (; known_ < count; ++known_) {
    char16_t unit = text[known_].unicode();
    if (unit >= 0x80) break;
    if (unit >= u'A' && unit <= u'Z') unit += u'a' - u'A';
    quint64& word = known_ < 8 ? high_ : low_;
    word |= quint64(unit) << (8 * (7 - known_ % 8));
  }
  whole_ = known_ == text.size();
}

}  // namespace catalogue
