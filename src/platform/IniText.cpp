// Reading trims the blanks around keys and values that a person may type, which is why a
// stored blank at either end is escaped; `\s` stands for such a blank. A byte of a file name
// that is not UTF-8 (held as U+DC80..U+DCFF, see FileNames.h) has no UTF-8 form of its own;
// `\xHH` keeps it, so that such a folder leads back to itself at the next start.
#include "platform/IniText.h"

#include <QStringList>

#include "platform/FileNames.h"

namespace platform {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The raw byte a file name's undecodable byte stands for, or 0 when `c` is no such byte.
int rawByte(QChar c) { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF ? c.unicode() - 0xDC00 : 0; }

int hexValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

// The raw byte written `\xHH` at `at` (the "x"), or 0 when the text there is no such escape;
// `\x` before anything else reads as it always did, an "x".
int escapedRawByte(QStringView text, qsizetype at) {
  if (at + 2 >= text.size() || text.at(at) != u'x') return 0;
  const int high = hexValue(text.at(at + 1)), low = hexValue(text.at(at + 2));
  return high < 0 || low < 0 || high < 8 ? 0 : high * 16 + low;
}

// `specials` are escaped wherever they stand (the '=' of a key); `leading` only first (a '[',
// ';' or '#' that would make a key line look like a section or a comment).
QString escaped(const QString& text, const QString& specials, const QString& leading) {
  QString out;
  out.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\\')
      out += QStringLiteral("\\\\");
    else if (c == u'\n')
      out += QStringLiteral("\\n");
    else if (c == u'\r')
      out += QStringLiteral("\\r");
    else if (c == u'\t')
      out += QStringLiteral("\\t");
    else if (c == u' ' && (i == 0 || i == text.size() - 1))
      out += QStringLiteral("\\s");
    else if (const int byte = rawByte(c))
      out += QStringLiteral("\\x") + QString::number(byte, 16).toUpper();
    else if (specials.contains(c) || (i == 0 && leading.contains(c)))
      out += u'\\' + c;
    else
      out += c;
  }
  return out;
}

QString unescaped(QStringView text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != u'\\' || i + 1 == text.size()) {
      out += c;
      continue;
    }
    if (const int byte = escapedRawByte(text, i + 1)) {
      out += QChar(char16_t(0xDC00 + byte));
      i += 3;
      continue;
    }
    const QChar next = text.at(++i);
    out += next == u'n'   ? QChar(u'\n')
           : next == u'r' ? QChar(u'\r')
           : next == u't' ? QChar(u'\t')
           : next == u's' ? QChar(u' ')
                          : next;
  }
  return out;
}

QStringView trimmedBlanks(QStringView text) {
  while (!text.isEmpty() && isBlank(text.front())) text = text.mid(1);
  while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
  return text;
}

// The position of the first '=' that no backslash escapes, or -1.
qsizetype separatorOf(QStringView line) {
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line.at(i) == u'\\')
      ++i;
    else if (line.at(i) == u'=')
      return i;
  }
  return -1;
}

}  // namespace

QSettings::SettingsMap parseIniText(const QByteArray& text) {
  QSettings::SettingsMap settings;
  QString prefix;
  // Bytes that are not UTF-8 (typed by hand in another encoding) stay the bytes they are.
  const QString decoded = decodeFileName(text);
  for (QStringView line : QStringView(decoded).split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    const QStringView bare = trimmedBlanks(line);
    if (bare.startsWith(u';') || bare.startsWith(u'#')) continue;
    if (bare.startsWith(u'[') && bare.endsWith(u']')) {
      const QString section = unescaped(trimmedBlanks(bare.sliced(1, bare.size() - 2)));
      prefix = section.isEmpty() ? QString() : section + u'/';
      continue;
    }
    const qsizetype separator = separatorOf(bare);
    if (separator < 0) continue;
    const QString key = unescaped(trimmedBlanks(bare.first(separator)));
    if (!key.isEmpty()) settings.insert(prefix + key, unescaped(trimmedBlanks(bare.sliced(separator + 1))));
  }
  return settings;
}

QByteArray formatIniText(const QSettings::SettingsMap& settings) {
  // Lines by section; the empty section, the keys outside any, sorts first.
  QMap<QString, QString> sections;
  for (auto it = settings.constBegin(); it != settings.constEnd(); ++it) {
    const qsizetype slash = it.key().indexOf(u'/');
    sections[slash < 0 ? QString() : it.key().first(slash)] +=
        escaped(it.key().sliced(slash + 1), QStringLiteral("="), QStringLiteral("[;#")) + u'=' +
        escaped(it.value().toString(), QString(), QString()) + u'\n';
  }
  QStringList parts;
  for (auto it = sections.constBegin(); it != sections.constEnd(); ++it)
    parts += it.key().isEmpty()
                 ? it.value()
                 : u'[' + escaped(it.key(), QStringLiteral("]"), QString()) + QStringLiteral("]\n") + it.value();
  return parts.join(u'\n').toUtf8();
}

}  // namespace platform
