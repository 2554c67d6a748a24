// UTF-8 with escaped undecodable bytes, in both directions.
#include "platform/FileNames.h"

#include <cstring>

namespace platform {
namespace {

constexpr char16_t escapeBase = 0xDC00;

// Length of the valid UTF-8 sequence starting at s[i], or 0 when it is not valid.
int validSequenceLength(const unsigned char* s, qsizetype i, qsizetype n, char32_t& cp) {
  const unsigned char c = s[i];
  if (c < 0x80) { cp = c; return 1; }
  int len = 0;
  char32_t min = 0;
  if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; min = 0x80; }
  else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; min = 0x800; }
  else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; min = 0x10000; }
  else return 0;
  if (i + len > n) return 0;
  for (int k = 1; k < len; ++k) {
    const unsigned char cc = s[i + k];
    if ((cc & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (cc & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode are not valid UTF-8; escaping them
  // keeps the round trip exact.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

QString decodeFileName(const char* bytes, qsizetype length) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes);
  // Never more UTF-16 units than bytes; writing through a pointer keeps a million names cheap.
  QString out(length, Qt::Uninitialized);
  char16_t* o = reinterpret_cast<char16_t*>(out.data());
  qsizetype i = 0;
  while (i < length) {
    if (s[i] < 0x80) {  // the common case
      *o++ = char16_t(s[i++]);
      continue;
    }
    char32_t cp = 0;
    const int len = validSequenceLength(s, i, length, cp);
    if (len == 0) {
      *o++ = char16_t(escapeBase + s[i++]);
      continue;
    }
    if (cp >= 0x10000) {
      const char32_t v = cp - 0x10000;
      *o++ = char16_t(0xD800 + (v >> 10));
      *o++ = char16_t(0xDC00 + (v & 0x3FF));
    } else {
      *o++ = char16_t(cp);
    }
    i += len;
  }
  out.truncate(o - reinterpret_cast<const char16_t*>(out.constData()));
  return out;
}

QString decodeFileName(const QByteArray& bytes) { return decodeFileName(bytes.constData(), bytes.size()); }

QByteArray encodeFileName(const QString& name) {
  QByteArray out;
  appendFileName(out, name);
  return out;
}

void appendFileName(QByteArray& out, QStringView name) {
  const qsizetype n = name.size();
  const qsizetype start = out.size();
  out.resize(start + 3 * n);  // at most three bytes per UTF-16 unit
  char* o = out.data() + start;
  const char16_t* in = name.utf16();
  for (qsizetype i = 0; i < n; ++i) {
    // Runs of ASCII, most of any path, go four units at a time.
    for (quint64 four; i + 4 <= n; i += 4, o += 4) {
      std::memcpy(&four, in + i, sizeof four);
      if (four & 0xFF80FF80FF80FF80ull) break;
      for (int k = 0; k < 4; ++k) o[k] = char(in[i + k]);
    }
    if (i == n) break;
    const char16_t u = in[i];
    if (u < 0x80) {
      *o++ = char(u);
    } else if (u >= 0xDC80 && u <= 0xDCFF) {
      *o++ = char(u - escapeBase);  // an escaped raw byte
    } else if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
      const char32_t cp = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (in[i + 1] - 0xDC00);
      *o++ = char(0xF0 | (cp >> 18));
      *o++ = char(0x80 | ((cp >> 12) & 0x3F));
      *o++ = char(0x80 | ((cp >> 6) & 0x3F));
      *o++ = char(0x80 | (cp & 0x3F));
      ++i;
    } else if (u < 0x800) {
      *o++ = char(0xC0 | (u >> 6));
      *o++ = char(0x80 | (u & 0x3F));
    } else {
      *o++ = char(0xE0 | (u >> 12));
      *o++ = char(0x80 | ((u >> 6) & 0x3F));
      *o++ = char(0x80 | (u & 0x3F));
    }
  }
  out.truncate(o - out.constData());
}

}  // namespace platform
