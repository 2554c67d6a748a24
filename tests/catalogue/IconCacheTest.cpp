// Icon cache keys and drawing each key's icon once.
#include <gtest/gtest.h>

#include "catalogue/IconCache.h"
#include "support/Fakes.h"

using catalogue::IconCache;
using testing_support::CountingIconProvider;

const auto folderTest = [](const QString& path) { return path == u"/data/Photos" || path == u"/data/old.exe"; };

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

// Indexes are the provider's: 1 for the first icon drawn, and so on.
TEST(IconCache, EachKeyIsDrawnOnceAndACommaCutsOnlyWhatIsDrawn) {
  CountingIconProvider provider;
  IconCache icons(provider, folderTest);
  const std::pair<const char*, int> calls[] = {
      {"/a/a.TXT", 1},      {"/b/b.txt", 1},      {"/apps/one.exe", 2}, {"/apps/two.exe", 3},
      {"/apps/ONE.exe", 2}, {"/data/Photos", 4},  {"/data/Photos", 4},  {"/data/README", 5},
      {"/data/LICENSE", 6}, {"/apps/x,y.exe", 7}, {"/apps/x,z.exe", 8}, {"/apps/x,y.exe", 7},
      {"/data/a,b,c", 9},   {"/data/file.b,c", 10}, {"/other/f.B,C", 10},
  };
  for (const auto& [path, index] : calls) EXPECT_EQ(icons.GetIconIndex(QString::fromUtf8(path)), index) << path;
  EXPECT_EQ(provider.drawn, QStringList({".txt", "/apps/one.exe", "/apps/two.exe", "<folder>.folder", "/data/readme",
                                         "/data/license", "/apps/x", "/apps/x", "/data/a,b", ".b"}));
}
