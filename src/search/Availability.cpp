// A tick is a pure function of the lists and the magnifier's place, so it is tested
// without any clock.
#include "search/Availability.h"

#include <array>

namespace search {

namespace {

// The magnifier's square: A, B, C, D.
constexpr std::array<QPoint, 4> magnifierPath = {QPoint(1680, 1080), QPoint(1800, 1080), QPoint(1800, 1200),
                                                 QPoint(1680, 1200)};

}  // namespace

Availability availability(const catalogue::Catalogue& lists) {
  return {!lists.lstmain().isEmpty(), !lists.lstsec().isEmpty()};
}

QPoint nextMagnifierPlace(QPoint at) {
  for (size_t i = 0; i < magnifierPath.size(); ++i)
    if (at == magnifierPath[i]) return magnifierPath[(i + 1) % magnifierPath.size()];
  return at;
}

}  // namespace search
