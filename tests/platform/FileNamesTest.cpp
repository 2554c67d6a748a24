// File-name bytes to QString and back: every byte string survives the round trip.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/FileNames.h"

using platform::decodeFileName;
using platform::encodeFileName;

TEST(FileNames, EveryByteStringRoundTripsAndOnlyBadBytesAreEscaped) {
  const struct {
    const char* what;
    QByteArray bytes;
    bool valid;
  } cases[] = {
      {"ascii", "readme.txt", true},          {"two-byte letter", "caf\xc3\xa9.mp3", true},
      {"euro sign", "\xe2\x82\xac 5", true},  {"four-byte emoji", "\xf0\x9f\x98\x80.png", true},
      {"latin-1 byte", "caf\xe9.mp3", false}, {"lone 0xff", "\xff", false},
      {"lone continuation", "a\x80z", false}, {"overlong slash", "\xc0\xaf", false},
      {"encoded surrogate", "\xed\xa0\x80", false}, {"past U+10FFFF", "\xf4\x90\x80\x80", false},
      {"cut-off sequence", "x\xe2\x82", false},     {"lead byte then ascii", "\xe2" "abc", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString name = decodeFileName(c.bytes);
    EXPECT_EQ(encodeFileName(name), c.bytes);
    const bool escaped = std::any_of(name.begin(), name.end(), [](QChar ch) {
      return ch.unicode() >= 0xDC80 && ch.unicode() <= 0xDCFF;
    });
    EXPECT_EQ(escaped, !c.valid);
    if (c.valid) {
      EXPECT_EQ(name, QString::fromUtf8(c.bytes));
    }
  }
}

TEST(FileNames, EachUndecodableByteBecomesOneEscape) {
  const QString name = decodeFileName(QByteArray("ab\xff\xfe" "cd"));
  EXPECT_EQ(name, QStringLiteral("ab") + QChar(0xDCFF) + QChar(0xDCFE) + QStringLiteral("cd"));
  const char raw[] = "abc\xff" "def";
  EXPECT_EQ(decodeFileName(raw, 3), QStringLiteral("abc")) << "the length bounds the name";
}
