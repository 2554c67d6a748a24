// Icon cache keys and drawing each key's icon once.
#include <gtest/gtest.h>

#include "catalogue/IconCache.h"
#include "support/Fakes.h"

using catalogue::IconCache;

const auto folderTest = [](const QString& path) { return path == u"/data/Photos" || path == u"/data/old.exe"; };

TEST(IconCache, KeysFollowTheTypeOfThePath) {
  const std::pair<const char*, const char*> cases[] = {
      {"/a/Setup.EXE", "/a/setup.exe"}, {"/a/screen.scr", "/a/screen.scr"}, {"/a/logo.ICO", "/a/logo.ico"},
      {"/a/start.lnk", "/a/start.lnk"}, {"/a/panel.cpl", "/a/panel.cpl"},   {"/a/tool.msc", "/a/tool.msc"},
      {"/a/setup.exe.txt", ".txt"},     {"/data/old.exe", "/data/old.exe"}, {"/data/Photos", ".folder"},
      {"/data/arch.tar.gz", ".gz"},     {"/data/README", "/data/readme"},   {"/my.dir/README", ".dir/readme"},
  };
  for (const auto& [path, key] : cases)
    EXPECT_EQ(IconCache::cacheKey(QString::fromUtf8(path), folderTest).toStdString(), key) << path;
  EXPECT_EQ(IconCache::cacheKey(QStringLiteral("/data/Photos"), {}), QStringLiteral("/data/photos"))
      << "without a folder test a path is only text";
}

// Indexes are the provider's: 1 for the first icon drawn, and so on.
TEST(IconCache, EachKeyIsDrawnOnceAndACommaCutsOnlyWhatIsDrawn) {
  testing_support::CountingIconProvider provider;
  IconCache icons(provider, folderTest);
  const std::pair<const char*, int> calls[] = {
      {"/a/a.TXT", 1},      {"/b/b.txt", 1},     {"/apps/one.exe", 2},  {"/apps/ONE.exe", 2},
      {"/data/Photos", 3},  {"/data/Photos", 3}, {"/apps/x,y.exe", 4},  {"/apps/x,z.exe", 5},
      {"/apps/x,y.exe", 4}, {"/data/a,b,c", 6},  {"/data/file.b,c", 7}, {"/other/f.B,C", 7},
  };
  for (const auto& [path, index] : calls) EXPECT_EQ(icons.GetIconIndex(QString::fromUtf8(path)), index) << path;
  EXPECT_EQ(provider.drawn,
            QStringList({".txt", "/apps/one.exe", "<folder>.folder", "/apps/x", "/apps/x", "/data/a,b", ".b"}));
}
