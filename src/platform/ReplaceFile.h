// Writing a whole file so that readers see either the old contents or the new, never a
// part: the bytes go to a temporary file beside it, which is renamed over the target.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// false when anything failed; the old file is then as it was and no temporary is left.
bool replaceFile(const QString& path, const QByteArray& contents);

}  // namespace platform
