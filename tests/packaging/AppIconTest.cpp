// The window icon is the installed scalable icon compiled in: it must render at the sizes a
// desktop asks for, which fails when the drawing does not parse or Qt's SVG support is missing.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

TEST(AppIcon, RendersSharpAtEverySizeADesktopAsksFor) {
  const QIcon icon(QStringLiteral(":/icons/" FILLPACK_APP_ID ".svg"));
  ASSERT_FALSE(icon.isNull());
  for (const int side : {16, 32, 48, 128, 256}) {
    SCOPED_TRACE(side);
    const QImage image = icon.pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(image.size(), QSize(side, side));
    int covered = 0, transparent = 0;
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) ++(qAlpha(image.pixel(x, y)) > 0 ? covered : transparent);
    // A round disc on a clear ground: about half of it painted, the corners see-through.
    EXPECT_GT(covered, side * side * 2 / 5);
    EXPECT_GT(transparent, 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  }
}
