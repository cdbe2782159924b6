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
    if (event->type() == QEvent::KeyPress) return OfferKey(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Wheel)
      return OfferWheel(watched, static_cast<QWheelEvent*>(event));
    return false;
  }

 private:
  static bool OfferKey(QObject* watched, QKeyEvent* event) {
    const UINT vk = VirtualKeyFromQt(event->key());
    if (vk == 0) return false;
    MSG msg{WindowOfWidget(qobject_cast<QWidget*>(watched)), WM_KEYDOWN, vk, 1, 0, {}};
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
