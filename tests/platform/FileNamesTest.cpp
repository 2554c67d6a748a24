// File-name bytes to QString and back: every byte string survives the round trip.
#include <gtest/gtest.h>

#include "platform/FileNames.h"

// Valid UTF-8 decodes as such; each byte that is not becomes one escape character of its own.
TEST(FileNames, EveryByteStringRoundTripsAndOnlyBadBytesAreEscaped) {
  const auto escape = [](char byte) { return QString(QChar(0xDC00 + uchar(byte))); };
  const struct {
    const char* what;
    QByteArray bytes;
    QString name;
  } cases[] = {
      {"two-byte letter", "caf\xc3\xa9", QStringLiteral("caf\u00e9")},
      {"four-byte emoji", "\xf0\x9f\x98\x80", QString::fromUtf8("\xf0\x9f\x98\x80")},
      {"latin-1 bytes", "ab\377\376cd", "ab" + escape('\xff') + escape('\xfe') + "cd"},
      {"lone continuation", "a\x80z", "a" + escape('\x80') + "z"},
      {"overlong slash", "\xc0\xaf", escape('\xc0') + escape('\xaf')},
      {"encoded surrogate", "\xed\xa0\x80", escape('\xed') + escape('\xa0') + escape('\x80')},
      {"past U+10FFFF", "\xf4\x90\x80\x80", escape('\xf4') + escape('\x90') + escape('\x80') + escape('\x80')},
      {"cut-off sequence", "x\xe2\x82", "x" + escape('\xe2') + escape('\x82')},
      {"lead byte then ascii", "\342abc", escape('\xe2') + "abc"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::decodeFileName(c.bytes), c.name) << c.what;
    EXPECT_EQ(platform::encodeFileName(c.name), c.bytes) << c.what;
  }
  EXPECT_EQ(platform::decodeFileName("abc\377def", 3), QStringLiteral("abc")) << "the length bounds the name";
}
