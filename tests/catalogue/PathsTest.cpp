// Joining, unquoting and splitting paths in both separator styles.
#include <gtest/gtest.h>

#include <QStringList>

#include "catalogue/Paths.h"

using namespace catalogue;

constexpr PathStyle P = PathStyle::Posix, W = PathStyle::Windows;

TEST(Paths, ChkdirJoinsWithExactlyOneSeparator) {
  // The style, folder, name and joined path.
  const std::tuple<PathStyle, const char*, const char*, const char*> cases[] = {
      {P, "/home/me", "a.txt", "/home/me/a.txt"}, {P, "/home/me/", "a", "/home/me/a"}, {P, "/", "a.txt", "/a.txt"},
      {P, "", "a.txt", "/a.txt"},                 {P, "dir\\", "a", "dir\\/a"},        {W, "C:\\M", "a", "C:\\M\\a"},
      {W, "C:\\", "x.txt", "C:\\x.txt"},          {W, "C:", "x.txt", "C:\\x.txt"},     {W, "", "x.txt", "\\x.txt"},
      {W, "C:\\M/", "a", "C:\\M/\\a"},
  };
  for (const auto& [style, folder, name, joined] : cases)
    EXPECT_EQ(chkdir(QString::fromUtf8(folder), QString::fromUtf8(name), style).toStdString(), joined);
  EXPECT_EQ(chkdir(QStringLiteral("/a"), QStringLiteral("b")), QStringLiteral("/a/b")) << "native style is Posix";
}

TEST(Paths, IsJoinedPathAndSameJoinedPathAgreeWithChkdir) {
  const QStringList folders = {"", "/", "/a", "/a/", "/a/b", "a", "C:", "C:\\", "C:\\x"};
  const QStringList names = {"", "b", "b/c", "x.txt", "a"};
  const QStringList paths = {"/b",       "/a/b", "/a//b", "a/b", "/a/b/c", "/x.txt", "C:\\x.txt",  "C:\\x\\a",
                             "C:/x.txt", "b",    "/a/",   "//a", "/a/a",   "/ab",    "C:\\\\x.txt"};
  for (const PathStyle style : {P, W})
    for (const QString& folder : folders)
      for (const QString& name : names)
        for (const QString& path : paths)
          EXPECT_EQ(isJoinedPath(path, folder, name, style), chkdir(folder, name, style) == path)
              << path.toStdString() << " <- " << folder.toStdString() << " + " << name.toStdString();
  for (const PathStyle style : {P, W})
    for (const QString& folder : folders)
      for (const QString& name : names)
        for (const QString& other : folders)
          for (const QString& otherName : names)
            EXPECT_EQ(sameJoinedPath(folder, name, other, otherName, style),
                      chkdir(folder, name, style) == chkdir(other, otherName, style))
                << folder.toStdString() << " + " << name.toStdString() << " vs " << other.toStdString() << " + "
                << otherName.toStdString();
}

TEST(Paths, UnPathDropsOneQuoteAtEachEnd) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"C:\\My Music\"", "C:\\My Music"}, {"\"", ""},          {"\"\"\"", "\""},       {"\"/a/b", "/a/b"},
      {"/a/b\"", "/a/b"},                   {"/a\"b", "/a\"b"}, {"\"\"x\"\"", "\"x\""}, {" \"x\" ", " \"x\" "},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(UnPath(QString::fromUtf8(in)).toStdString(), out) << in;
}

TEST(Paths, SplitPathTakesTheExtensionFromTheWholePath) {
  // The style and {path, folder, name, extension}.
  const std::pair<PathStyle, QStringList> cases[] = {
      {P, {"/home/me/song.MP3", "/home/me", "song.MP3", "MP3"}}, {P, {"/a/b.tar.gz", "/a", "b.tar.gz", "gz"}},
      {P, {"/my.dir/readme", "/my.dir", "readme", "dir/readme"}}, {P, {"/x", "", "x", ""}},
      {P, {"/a/.profile", "/a", ".profile", "profile"}},          {P, {"readme", "", "readme", ""}},
      {P, {"/a/trailing.", "/a", "trailing.", ""}},               {P, {"/a/b/", "/a/b", "", ""}},
      {W, {"C:\\my.dir\\readme", "C:\\my.dir", "readme", "dir\\readme"}}, {W, {"C:\\x.txt", "C:", "x.txt", "txt"}},
      {W, {"C:\\a/b.txt", "C:", "a/b.txt", "txt"}},
  };
  for (const auto& [style, parts] : cases) {
    const SplitPath s = splitPath(parts[0], style);
    EXPECT_EQ(QStringList({parts[0], s.folder, s.name, s.extension}), parts);
  }
}
