// The folder picker: returns the chosen folder, or an empty text when cancelled.
#pragma once

#include <QString>

namespace platform {

class FolderPicker {
 public:
  virtual ~FolderPicker() = default;
  virtual QString browseForFolder(const QString& prompt, const QString& startFolder) = 0;
};

// Headless runs have nobody to ask.
class CancellingFolderPicker final : public FolderPicker {
 public:
  QString browseForFolder(const QString&, const QString&) override { return {}; }
};

}  // namespace platform
