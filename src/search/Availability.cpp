// A tick is a pure function of the lists and the magnifier's place, so it is tested
// without any clock.
#include "search/Availability.h"

#include <QPoint>
#include <array>

namespace search {

namespace {

// The magnifier's square, in twips within the frame: A, B, C, D.
constexpr std::array<QPoint, 4> magnifierPath = {QPoint(1680, 1080), QPoint(1800, 1080), QPoint(1800, 1200),
                                                 QPoint(1680, 1200)};

// A tick that changes nothing leaves the records untouched, so the window re-applies none.
void enable(catalogue::Form& form, const char* name, bool enabled) {
  const QString control = QString::fromLatin1(name);
  if (std::as_const(form).find(control)->enabled != enabled) form(control).enabled = enabled;
}

}  // namespace

void Timer_Timer(catalogue::Form& form, const catalogue::Catalogue& lists) {
  enable(form, "cmdsearch", !lists.lstmain().isEmpty());
  const bool chosen = !lists.lstsec().isEmpty();
  if (!chosen && !form.text(QStringLiteral("lblCountList2")).isEmpty()) form(QStringLiteral("lblCountList2")).text.clear();
  for (const char* name : {"cmdCopy", "cmdsave", "cmdClipBoard", "cmddelete"}) enable(form, name, chosen);

  QRect& magnifier = form(QStringLiteral("imgmag")).geometry;
  for (size_t i = 0; i < magnifierPath.size(); ++i)
    if (magnifier.topLeft() == magnifierPath[i]) {
      magnifier.moveTopLeft(magnifierPath[(i + 1) % magnifierPath.size()]);
      break;
    }
}

}  // namespace search
