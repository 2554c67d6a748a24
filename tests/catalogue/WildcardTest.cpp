// The "like" patterns of the exclusion and icon tests, and the folder listing's patterns.
#include <gtest/gtest.h>

#include "catalogue/Wildcard.h"

using catalogue::islike;
using catalogue::WildcardList;

TEST(Wildcard, IsLikeMatchesTheWholeName) {
  const struct {
    const char* filter;
    const char* name;
    bool match;
  } cases[] = {
      {"*.mp3", "song.mp3", true},       {"*.mp3", "song.mp3.bak", false},
      {"*.MP3", "Song.mP3", true},       {"*", "", true},
      {"*", "anything.at.all", true},    {"*.*", "readme", false},
      {"*.*", "a.b", true},              {"?.txt", "a.txt", true},
      {"?.txt", "ab.txt", false},        {"?.txt", ".txt", false},
      {"track##.wav", "track07.wav", true},
      {"track##.wav", "track7x.wav", false},
      // "#" takes every digit from 0 to 9 and nothing beside them ("/" and ":" flank the digits).
      {"track##.wav", "track09.wav", true},  {"track##.wav", "track90.wav", true},
      {"track##.wav", "track0a.wav", false}, {"track##.wav", "track/9.wav", false},
      {"track##.wav", "track9:.wav", false}, {"track##.wav", "track9.wav", false},
      {"[abc]*", "banana", true},        {"[abc]*", "date", false},
      {"[a-c]x", "Bx", true},            {"[a-c]x", "dx", false},
      {"[!abc]*", "date", true},         {"[!abc]*", "apple", false},
      {"[!a-c]", "z", true},             {"[0-9a-f]#", "e5", true},
      {"a[b", "a[b", true},              {"a[b", "ab", false},
      {"*a*b*c", "xxaxxbxxbc", true},    {"*a*b*c", "xxaxxcxxb", false},
      {"**x", "x", true},                {"a*", "b", false},
      {"*.tmp;*.bak", "OLD.BAK", true},  {"*.tmp;*.bak", "x.doc", false},
      {"*.tmp; *.bak", "x.bak", false},  {"*.tmp; *.bak", " x.bak", true},
      {"", "", false},                   {"", "x", false},
      {";", "", true},                   {"x;", "", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(islike(QString::fromUtf8(c.filter), QString::fromUtf8(c.name)), c.match)
        << '"' << c.filter << "\" vs \"" << c.name << '"';
}

TEST(Wildcard, ListingPatternsAreTrimmedAndStarDotStarMeansEveryFile) {
  using Syntax = WildcardList::Syntax;
  const struct {
    const char* patterns;
    const char* name;
    bool match;
  } cases[] = {
      {"*.*", "readme", true},           {"*.*", "a.b", true},
      {"*", "readme", true},             {" *.* ", "readme", true},
      {"*.mp3;*.wav", "A.WAV", true},    {"*.mp3;*.wav", "a.ogg", false},
      {" *.mp3 ; *.wav ", "a.wav", true},
      {"*.mp3;;", "a.mp3", true},        {"*.mp3;*.*", "a.ogg", true},
      {"file#.txt", "file1.txt", false}, {"file#.txt", "file#.txt", true},
      {"[ab].txt", "a.txt", false},      {"[ab].txt", "[AB].txt", true},
      {"?ong.*", "song.mp3", true},      {" ; ", "readme", false},          {"", "readme", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WildcardList(QString::fromUtf8(c.patterns), Syntax::Listing).matches(QString::fromUtf8(c.name)), c.match)
        << '"' << c.patterns << "\" vs \"" << c.name << '"';
}
