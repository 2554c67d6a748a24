// Lets a widget take folders dropped from a file manager: the dropped local paths go to
// a handler instead of being pasted as text.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

namespace windows {

class FolderDropFilter final : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void(const QStringList& paths)>;
  FolderDropFilter(Handler handler, QObject* parent) : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace windows
