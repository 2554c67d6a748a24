// Lossless conversion between file-name bytes and QString.
// Linux file names are bytes; a name that is not valid UTF-8 must still lead back to
// the same file, so bytes that do not decode are kept as lone surrogates U+DC80..U+DCFF
// and turned back into the same bytes on the way out.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace platform {

QString decodeFileName(const char* bytes, qsizetype length);
QString decodeFileName(const QByteArray& bytes);
QByteArray encodeFileName(const QString& name);
// The same, appended to `out`.
void appendFileName(QByteArray& out, QStringView name);

}  // namespace platform
