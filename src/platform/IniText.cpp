// Reading trims the blanks around keys and values that a person may type, which is why a
// stored blank at either end is escaped; `\s` stands for such a blank.
#include "platform/IniText.h"

#include <QStringList>

namespace platform {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

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
  const QString decoded = QString::fromUtf8(text);
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
