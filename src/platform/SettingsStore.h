// The user's own choices kept from one run to the next: texts addressed by application,
// section and key. Keys are only ever added or overwritten, never deleted, so a shorter
// list saved later leaves the surplus entries of a longer one in place.
#pragma once

#include <QString>

namespace platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `defaultText` when the key is missing or cannot be read.
  virtual QString read(const QString& application, const QString& section, const QString& key,
                       const QString& defaultText) const = 0;
  // False when the text cannot be kept; the other writes are not affected.
  virtual bool write(const QString& application, const QString& section, const QString& key, const QString& text) = 0;
  // Puts every write so far into lasting storage; false when some of it could not be.
  virtual bool flush() { return true; }
  // What the last `flush` could not save: the file in quotes and the reason; empty when it saved all.
  virtual QString failure() const { return {}; }
};

// For runs that must not depend on, or change, what the user chose before: every read
// gives its default and nothing is kept.
class NoSettingsStore final : public SettingsStore {
 public:
  QString read(const QString& application, const QString& section, const QString& key,
               const QString& defaultText) const override;
  bool write(const QString& application, const QString& section, const QString& key, const QString& text) override;
};

}  // namespace platform
