// Icon cache keys and drawing each key's icon once.
#include <gtest/gtest.h>

#include "catalogue/IconCache.h"
#include "support/Fakes.h"

using catalogue::IconCache;
using testing_support::CountingIconProvider;

namespace {

bool folderTest(const QString& path) { return path == u"/data/Photos" || path == u"/data/old.exe"; }

}  // namespace

TEST(IconCache, KeysFollowTheTypeOfThePath) {
  const struct {
    const char* path;
    const char* key;
  } cases[] = {
      {"/apps/Setup.EXE", "/apps/setup.exe"},
      {"/apps/screen.scr", "/apps/screen.scr"},
      {"/apps/logo.ICO", "/apps/logo.ico"},
      {"/apps/start.lnk", "/apps/start.lnk"},
      {"/apps/panel.cpl", "/apps/panel.cpl"},
      {"/apps/tool.msc", "/apps/tool.msc"},
      {"/apps/setup.exe.txt", ".txt"},
      {"/data/old.exe", "/data/old.exe"},
      {"/data/Photos", ".folder"},
      {"/data/Notes.TXT", ".txt"},
      {"/data/archive.tar.gz", ".gz"},
      {"/data/README", "/data/readme"},
      {"/my.dir/README", ".dir/readme"},
      {"/data/x,y.doc", ".doc"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IconCache::cacheKey(QString::fromUtf8(c.path), folderTest).toStdString(), c.key) << c.path;
  EXPECT_EQ(IconCache::cacheKey(QStringLiteral("/data/Photos"), {}), QStringLiteral("/data/photos"))
      << "without a folder test a path is only text";
}

TEST(IconCache, EachKeyIsDrawnOnce) {
  CountingIconProvider provider;
  IconCache icons(provider, folderTest);
  const int txt = icons.GetIconIndex(QStringLiteral("/a/a.TXT"));
  EXPECT_EQ(icons.GetIconIndex(QStringLiteral("/b/b.txt")), txt);
  const int one = icons.GetIconIndex(QStringLiteral("/apps/one.exe"));
  const int two = icons.GetIconIndex(QStringLiteral("/apps/two.exe"));
  EXPECT_NE(one, two);
  EXPECT_EQ(icons.GetIconIndex(QStringLiteral("/apps/ONE.exe")), one);
  const int folder = icons.GetIconIndex(QStringLiteral("/data/Photos"));
  EXPECT_EQ(icons.GetIconIndex(QStringLiteral("/data/Photos")), folder);
  const int plain = icons.GetIconIndex(QStringLiteral("/data/README"));
  EXPECT_NE(icons.GetIconIndex(QStringLiteral("/data/LICENSE")), plain);
  EXPECT_EQ(provider.drawn, QStringList({".txt", "/apps/one.exe", "/apps/two.exe", "<folder>.folder",
                                         "/data/readme", "/data/license"}));
  EXPECT_EQ(txt, 1);
  EXPECT_EQ(plain, 5);
}

TEST(IconCache, ACommaLimitsWhatIsDrawnButNotTheKey) {
  CountingIconProvider provider;
  IconCache icons(provider, {});
  const int a = icons.GetIconIndex(QStringLiteral("/apps/x,y.exe"));
  const int b = icons.GetIconIndex(QStringLiteral("/apps/x,z.exe"));
  const int c = icons.GetIconIndex(QStringLiteral("/data/a,b,c"));
  const int d = icons.GetIconIndex(QStringLiteral("/data/file.b,c"));
  EXPECT_EQ(icons.GetIconIndex(QStringLiteral("/apps/x,y.exe")), a);
  EXPECT_EQ(icons.GetIconIndex(QStringLiteral("/other/f.B,C")), d);
  EXPECT_NE(a, b) << "cached under the full key, not the drawn part";
  EXPECT_NE(c, d);
  EXPECT_EQ(provider.drawn, QStringList({"/apps/x", "/apps/x", "/data/a,b", ".b"}));
}
