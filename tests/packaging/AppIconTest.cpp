// The window icon is the installed scalable icon compiled in: it must render at the sizes a
// desktop asks for, which fails when the drawing does not parse or Qt's SVG support is missing.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

struct Painted {
  int covered = 0;
  int transparent = 0;
};

Painted countPixels(const QImage& image) {
  Painted painted;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(image.pixel(x, y));
      if (alpha > 0) ++painted.covered;
      if (alpha == 0) ++painted.transparent;
    }
  }
  return painted;
}

TEST(AppIcon, RendersSharpAtEverySizeADesktopAsksFor) {
  const QIcon icon(QStringLiteral(":/icons/" FILLPACK_APP_ID ".svg"));
  ASSERT_FALSE(icon.isNull());
  for (const int side : {16, 32, 48, 128, 256}) {
    SCOPED_TRACE(side);
    const QImage image = icon.pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(image.size(), QSize(side, side));
    const Painted painted = countPixels(image);
    // A round disc on a clear ground: about half of it painted, the corners see-through.
    EXPECT_GT(painted.covered, side * side * 2 / 5);
    EXPECT_GT(painted.transparent, 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  }
}

}  // namespace
