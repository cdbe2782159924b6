// Offers the toolkit's key and wheel events to the process's pre-translation before any
// widget sees them, as a message loop offers every message it takes from the queue.
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include "platform/win/WindowWidget.h"
#include "platform/win/Wnd.h"

namespace {

class PreTranslateHook : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel) return false;
    // An event that no widget takes travels up to the parents; it is offered only once.
    auto* input = static_cast<QInputEvent*>(event);
    if (input == lastOffered_ && input->timestamp() == lastTimestamp_) return false;
    lastOffered_ = input;
    lastTimestamp_ = input->timestamp();
    if (event->type() == QEvent::KeyPress) return OfferKey(watched, static_cast<QKeyEvent*>(event));
    return OfferWheel(watched, static_cast<QWheelEvent*>(event));
  }

 private:
  const QInputEvent* lastOffered_ = nullptr;
  quint64 lastTimestamp_ = 0;

  // A key reaches the toolkit's window object first; its message is for the widget with the
  // keyboard focus, which is where the key goes next.
  static bool OfferKey(QObject* watched, QKeyEvent* event) {
    const UINT vk = VirtualKeyFromQt(event->key());
    if (vk == 0) return false;
    // The toolkit's own modal boxes (messages, file choosers) keep their keys.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && dynamic_cast<WindowWidget*>(modal) == nullptr) return false;
    QWidget* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr) target = QApplication::focusWidget();
    MSG msg{WindowOfWidget(target), WM_KEYDOWN, vk, 1, 0, {}};
    return win::OfferToFilter(&msg);
  }

  static bool OfferWheel(QObject* watched, QWheelEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    const auto delta = static_cast<WORD>(static_cast<int16_t>(event->angleDelta().y()));
    MSG msg{WindowOfWidget(qobject_cast<QWidget*>(watched)),
            WM_MOUSEWHEEL,
            MAKEWPARAM(0, delta),
            MAKELPARAM(static_cast<WORD>(global.x()), static_cast<WORD>(global.y())),
            0,
            POINT{global.x(), global.y()}};
    return win::OfferToFilter(&msg);
  }
};

}  // namespace

namespace win {

void InstallPreTranslateHook() {
  static PreTranslateHook* hook = nullptr;
  if (hook != nullptr || QCoreApplication::instance() == nullptr) return;
  hook = new PreTranslateHook();
  hook->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(hook);
}

}  // namespace win
