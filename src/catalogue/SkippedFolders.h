// The folders below an added folder that could not be read, and the one message that
// names them at the end of the Add.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace catalogue {

class SkippedFolders {
 public:
  // How many folders the message names before it only counts the rest.
  static constexpr qsizetype namedInMessage = 5;

  // A folder is noted once, however many of its readings failed.
  void note(const QString& folder);
  void clear();
  bool isEmpty() const { return folders_.isEmpty(); }
  const QStringList& folders() const { return folders_; }
  QString message() const;

 private:
  QStringList folders_;  // in the order met
  QSet<QString> seen_;
};

}  // namespace catalogue
