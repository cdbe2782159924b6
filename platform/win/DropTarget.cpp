#include "platform/win/DropTarget.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/fileio/FileIo.h"
#include "platform/win/QtBridge.h"

namespace {

// Watches one window's widget for drags of local files and hands a drop to the window.
class DropFilter : public QObject {
 public:
  static constexpr const char* kName = "harbo-drop-target";

  DropFilter(CWnd* window, QWidget* widget) : QObject(widget), window_(window) {
    setObjectName(kName);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData()->hasUrls()) return false;
        drag->acceptProposedAction();
        return true;
      }
      case QEvent::Drop:
        return Dropped(static_cast<QDropEvent*>(event));
      default:
        return QObject::eventFilter(watched, event);
    }
  }

 private:
  bool Dropped(QDropEvent* drop) {
    if (!drop->mimeData()->hasUrls() || !IsWindow(window_)) return false;
    DroppedFiles files;
    for (const QUrl& url : drop->mimeData()->urls()) {
      if (!url.isLocalFile()) continue;
      const std::string utf8 = url.toLocalFile().toStdString();
      if (std::optional<Cp932String> path = fileio::FromDiskPath(utf8))
        files.paths.push_back(*path);
      else
        files.refused.push_back(utf8);
    }
    const QPoint at = drop->position().toPoint();
    files.point = POINT{at.x(), at.y()};
    drop->acceptProposedAction();
    ::SendMessage(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(&files), 0);
    return true;
  }

  CWnd* window_;
};

}  // namespace

void DragAcceptFiles(HWND window, bool accept) {
  QWidget* widget = QtBridge::WidgetOf(window);
  if (widget == nullptr) return;
  QObject* existing = widget->findChild<QObject*>(DropFilter::kName, Qt::FindDirectChildrenOnly);
  widget->setAcceptDrops(accept);
  if (accept && existing == nullptr) widget->installEventFilter(new DropFilter(window, widget));
  if (!accept && existing != nullptr) delete existing;
}

namespace win {

bool DropFilesForTest(HWND window, const std::vector<std::string>& utf8Paths, POINT at) {
  QWidget* widget = QtBridge::WidgetOf(window);
  if (widget == nullptr || !widget->acceptDrops()) return false;
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& path : utf8Paths)
    urls << QUrl::fromLocalFile(QString::fromStdString(path));
  data.setUrls(urls);
  // The toolkit hands a drop to the widget that took the drag's entry, as in a real drag.
  QDragEnterEvent enter(QPoint(at.x, at.y), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at.x, at.y), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  return QCoreApplication::sendEvent(widget, &drop) && drop.isAccepted();
}

}  // namespace win
