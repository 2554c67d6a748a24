// Joining, unquoting and splitting paths in both separator styles.
#include <gtest/gtest.h>

#include <QStringList>

#include "catalogue/Paths.h"

using namespace catalogue;

constexpr PathStyle P = PathStyle::Posix, W = PathStyle::Windows;

TEST(Paths, ChkdirJoinsWithExactlyOneSeparator) {
  const struct {
    PathStyle style;
    const char* folder;
    const char* name;
    const char* joined;
  } cases[] = {
      {P, "/home/me", "a.txt", "/home/me/a.txt"}, {P, "/home/me/", "a", "/home/me/a"},
      {P, "/", "a.txt", "/a.txt"},                {P, "", "a.txt", "/a.txt"},
      {P, "dir\\", "a", "dir\\/a"},                {W, "C:\\Music", "a", "C:\\Music\\a"},
      {W, "C:\\", "x.txt", "C:\\x.txt"},        {W, "C:", "x.txt", "C:\\x.txt"},
      {W, "", "x.txt", "\\x.txt"},             {W, "C:\\M/", "a", "C:\\M/\\a"},
  };
  for (const auto& c : cases) {
    const QString folder = QString::fromUtf8(c.folder), name = QString::fromUtf8(c.name);
    EXPECT_EQ(chkdir(folder, name, c.style).toStdString(), c.joined);
    EXPECT_TRUE(isJoinedPath(QString::fromUtf8(c.joined), folder, name, c.style)) << c.joined;
  }
  EXPECT_EQ(chkdir(QStringLiteral("/a"), QStringLiteral("b")), QStringLiteral("/a/b")) << "native style is Posix";
}

TEST(Paths, IsJoinedPathAgreesWithChkdir) {
  const QStringList folders = {"", "/", "/a", "/a/", "/a/b", "a", "C:", "C:\\", "C:\\x"};
  const QStringList names = {"", "b", "b/c", "x.txt", "a"};
  const QStringList paths = {"/b", "/a/b", "/a//b", "a/b", "/a/b/c", "/x.txt", "C:\\x.txt", "C:\\x\\a",
                             "C:/x.txt", "b", "/a/", "//a", "/a/a", "/ab", "C:\\\\x.txt"};
  for (const PathStyle style : {P, PathStyle::Windows})
    for (const QString& folder : folders)
      for (const QString& name : names)
        for (const QString& path : paths)
          EXPECT_EQ(isJoinedPath(path, folder, name, style), chkdir(folder, name, style) == path)
              << path.toStdString() << " <- " << folder.toStdString() << " + " << name.toStdString();
}

TEST(Paths, UnPathDropsOneQuoteAtEachEnd) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"\"C:\\My Music\"", "C:\\My Music"}, {"\"", ""},          {"\"\"", ""},         {"\"\"\"", "\""},
      {"\"/a/b", "/a/b"},                   {"/a/b\"", "/a/b"}, {"/a\"b", "/a\"b"}, {"\"\"x\"\"", "\"x\""},
      {"", ""},                              {" \"x\" ", " \"x\" "},
  };
  for (const auto& c : cases) EXPECT_EQ(UnPath(QString::fromUtf8(c.in)).toStdString(), c.out) << c.in;
}

TEST(Paths, SplitPathTakesTheExtensionFromTheWholePath) {
  const struct {
    PathStyle style;
    const char* path;
    const char* folder;
    const char* name;
    const char* extension;
  } cases[] = {
      {P, "/home/me/song.MP3", "/home/me", "song.MP3", "MP3"}, {P, "/a/b.tar.gz", "/a", "b.tar.gz", "gz"},
      {P, "/my.dir/readme", "/my.dir", "readme", "dir/readme"},  {P, "/x", "", "x", ""},
      {P, "/a/.profile", "/a", ".profile", "profile"},          {P, "readme", "", "readme", ""},
      {P, "/a/trailing.", "/a", "trailing.", ""},               {P, "/a/b/", "/a/b", "", ""},
      {W, "C:\\my.dir\\readme", "C:\\my.dir", "readme", "dir\\readme"}, {W, "C:\\x.txt", "C:", "x.txt", "txt"},
      {W, "C:\\a/b.txt", "C:", "a/b.txt", "txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const SplitPath parts = splitPath(QString::fromUtf8(c.path), c.style);
    EXPECT_EQ(parts.folder.toStdString(), c.folder);
    EXPECT_EQ(parts.name.toStdString(), c.name);
    EXPECT_EQ(parts.extension.toStdString(), c.extension);
  }
}
