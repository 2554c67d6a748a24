// getpwuid_r rather than getpwuid: the window may ask while another thread reads the
// database, and the shared buffer of getpwuid is not safe for that.
#include "platform/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace platform {

QString fullNameFromGecos(const QByteArray& gecos) {
  const qsizetype comma = gecos.indexOf(',');
  return QString::fromUtf8(comma < 0 ? gecos : gecos.left(comma)).trimmed();
}

QString fullUserName() {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? size_t(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_gecos)
    return {};
  return fullNameFromGecos(QByteArray(found->pw_gecos));
}

}  // namespace platform
