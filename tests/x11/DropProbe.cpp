// A drop target of another program, run on an X server by the X11 drag test: a plain window
// at the place given (x y width height, in pixels) that takes a drop of files. It prints
// "ready" once shown, "over" once a drag of files has come over it (after it has told the
// source that it takes the drop), then the dropped text/uri-list as it came and "dropped",
// and ends.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

void say(const QByteArray& text) {
  std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
  std::fflush(stdout);
}

class DropTarget final : public QWidget {
 public:
  DropTarget() { setAcceptDrops(true); }

 protected:
  void showEvent(QShowEvent*) override {
    QTimer::singleShot(0, this, [] { say("ready\n"); });
  }
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (!event->mimeData()->hasUrls()) return;
    event->acceptProposedAction();
    // Said once the event is handled, when the source has been told that the drop is taken.
    if (!over_) QTimer::singleShot(0, this, [] { say("over\n"); });
    over_ = true;
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
  }
  void dropEvent(QDropEvent* event) override {
    event->acceptProposedAction();
    say(event->mimeData()->data(QStringLiteral("text/uri-list")) + "dropped\n");
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }

 private:
  bool over_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 5) return 2;
  DropTarget target;
  target.setWindowTitle(QStringLiteral("drop target"));
  target.setGeometry(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt(),
                     QByteArray(argv[4]).toInt());
  target.show();
  return app.exec();
}
