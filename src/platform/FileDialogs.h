// The open and save dialogs for list files: each returns the chosen path, or an empty
// text when the user cancels.
#pragma once

#include <QString>

namespace platform {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // `filter` is one description and pattern, like "Text File (*.txt)". The save dialog
  // does not ask about overwriting; the caller does.
  virtual QString saveFileName(const QString& title, const QString& startPath, const QString& filter) = 0;
  virtual QString openFileName(const QString& title, const QString& startFolder, const QString& filter) = 0;
};

// Headless runs have nobody to ask.
class CancellingFileDialogs final : public FileDialogs {
 public:
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
};

}  // namespace platform
