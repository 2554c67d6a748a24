// The "like" patterns of the exclusion and icon tests, and the folder listing's patterns.
#include <gtest/gtest.h>

#include "catalogue/Wildcard.h"

using catalogue::WildcardList;

using WildcardCase = std::tuple<const char*, const char*, bool>;  // the pattern, a name, whether they match

// "#" takes every digit from 0 to 9 and nothing beside them ("/" and ":" flank the digits).
TEST(Wildcard, IsLikeMatchesTheWholeName) {
  const WildcardCase cases[] = {
      {"*.mp3", "song.mp3", true},     {"*.mp3", "song.mp3.bak", false},  {"*.MP3", "Song.mP3", true},
      {"*", "", true},                 {"*.*", "readme", false},          {"*.*", "a.b", true},
      {"?.txt", "a.txt", true},        {"?.txt", "ab.txt", false},        {"?.txt", ".txt", false},
      {"t##", "t09", true},            {"t##", "t90", true},              {"t##", "t/9", false},
      {"t##", "t9:", false},           {"t##", "t9", false},              {"[0-9a-f]#", "e5", true},
      {"[abc]*", "banana", true},      {"[abc]*", "date", false},         {"[a-c]x", "Bx", true},
      {"[a-c]x", "dx", false},         {"[!abc]*", "date", true},         {"[!abc]*", "apple", false},
      {"[!a-c]", "z", true},           {"a[b", "a[b", true},              {"a[b", "ab", false},
      {"*a*b*c", "xxaxxbxxbc", true},  {"*a*b*c", "xxaxxcxxb", false},    {"**x", "x", true},
      {"a*", "b", false},              {"*.tmp;*.bak", "OLD.BAK", true},  {"*.tmp;*.bak", "x.doc", false},
      {"*.tmp; *.bak", "x.bak", false}, {"*.tmp; *.bak", " x.bak", true}, {"", "", false},
      {";", "", true},                 {"x;", "", true},
  };
  for (const auto& [pattern, name, match] : cases)
    EXPECT_EQ(catalogue::islike(QString::fromUtf8(pattern), QString::fromUtf8(name)), match)
        << '"' << pattern << "\" vs \"" << name << '"';
}

TEST(Wildcard, ListingPatternsAreTrimmedAndStarDotStarMeansEveryFile) {
  const WildcardCase cases[] = {
      {" *.* ", "readme", true},        {"*.mp3;*.wav", "A.WAV", true},       {"*.mp3;*.wav", "a.ogg", false},
      {" *.mp3 ; *.wav ", "a.wav", true}, {"*.mp3;;", "a.mp3", true},         {"*.mp3;*.*", "a.ogg", true},
      {"file#.txt", "file1.txt", false}, {"file#.txt", "file#.txt", true},    {"[ab].txt", "a.txt", false},
      {"[ab].txt", "[AB].txt", true},   {"?ong.*", "song.mp3", true},         {" ; ", "readme", false},
      {"", "readme", false},
  };
  for (const auto& [pattern, name, match] : cases)
    EXPECT_EQ(WildcardList(QString::fromUtf8(pattern), WildcardList::Syntax::Listing).matches(QString::fromUtf8(name)),
              match)
        << '"' << pattern << "\" vs \"" << name << '"';
}
