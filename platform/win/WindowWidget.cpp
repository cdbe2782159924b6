#include "platform/win/WindowWidget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>

#include "platform/gdi/EffectPlayer.h"
#include "platform/win/QtText.h"
#include "platform/win/Wnd.h"

namespace {

LPARAM PackPoint(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(static_cast<int16_t>(x)),
                    static_cast<WORD>(static_cast<int16_t>(y)));
}

struct KeyPair {
  int qt;
  UINT vk;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},     {Qt::Key_Shift, 0x10},    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},       {Qt::Key_Escape, 0x1B},   {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},     {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},     {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
};

}  // namespace

WindowWidget::WindowWidget(CWnd* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
}

WindowWidget::~WindowWidget() {
  if (owner_ != nullptr) owner_->WidgetGone();
}

LRESULT WindowWidget::Send(UINT message, WPARAM w, LPARAM l) {
  if (owner_ == nullptr) return 0;
  return ::SendMessage(owner_, message, w, l);
}

bool WindowWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Send(WM_ACTIVATE, 1, 0);
  if (event->type() == QEvent::WindowDeactivate) Send(WM_ACTIVATE, 0, 0);
  if (event->type() == QEvent::Leave && hasMouseTracking()) Send(WM_MOUSELEAVE, 0, 0);
  return QWidget::event(event);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
  paintRegion_ = event->region();
  // A running transition's frame stands in for the window's own paint where it lies.
  if (!gdi::EffectCovers(this, paintRegion_)) Send(WM_PAINT, 0, 0);
  gdi::PaintEffectFrame(this);
  paintRegion_ = QRegion();
}

void WindowWidget::resizeEvent(QResizeEvent* /*event*/) {
  const WPARAM type = isMaximized() ? 2 : 0;
  Send(WM_SIZE, type, MAKELPARAM(static_cast<WORD>(width()), static_cast<WORD>(height())));
}

void WindowWidget::showEvent(QShowEvent* /*event*/) {
  Send(WM_SHOWWINDOW, 1, 0);
}

void WindowWidget::hideEvent(QHideEvent* /*event*/) {
  Send(WM_SHOWWINDOW, 0, 0);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The window decides itself whether it goes: WM_CLOSE destroys it by default.
  event->ignore();
  Send(WM_CLOSE, 0, 0);
}

void WindowWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  const QPoint global = event->globalPosition().toPoint();
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<int16_t>(delta))),
       PackPoint(global.x(), global.y()));
}

void WindowWidget::SendMouse(UINT message, QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Send(message, 0, PackPoint(p.x(), p.y()));
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  SendMouse(event->button() == Qt::RightButton ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, event);
}

// The context menu is asked for when the right button comes up, after its release.
void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool right = event->button() == Qt::RightButton;
  SendMouse(right ? WM_RBUTTONUP : WM_LBUTTONUP, event);
  if (!right || owner_ == nullptr) return;
  const QPoint global = event->globalPosition().toPoint();
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(owner_), PackPoint(global.x(), global.y()));
}

// From the keyboard (the menu key) the menu has no position: both coordinates are -1. The
// mouse's request is made on the right button's release instead.
void WindowWidget::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  if (event->reason() == QContextMenuEvent::Mouse || owner_ == nullptr) return;
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(owner_), PackPoint(-1, -1));
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  SendMouse(WM_LBUTTONDBLCLK, event);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
  SendMouse(WM_MOUSEMOVE, event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  const UINT vk = VirtualKeyFromQt(event->key());
  if (vk == 0) {
    if (event->text().isEmpty()) {
      QWidget::keyPressEvent(event);
      return;
    }
    SendCharacters(event->text());
    return;
  }
  Send(WM_KEYDOWN, vk, 1);
  SendCharacters(event->text());
}

// The typed text follows the key as WM_CHAR, one message per code page 932 byte.
void WindowWidget::SendCharacters(const QString& text) {
  if (text.isEmpty() || owner_ == nullptr) return;
  const std::optional<Cp932String> bytes = QtText::ToCp932(text);
  if (!bytes) return;
  for (char byte : *bytes) Send(WM_CHAR, static_cast<unsigned char>(byte), 1);
}

CWnd* WindowOfWidget(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    auto* ww = dynamic_cast<WindowWidget*>(w);
    if (ww != nullptr && ww->owner() != nullptr) return ww->owner();
  }
  return nullptr;
}

UINT VirtualKeyFromQt(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<UINT>('A' + (qtKey - Qt::Key_A));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<UINT>('0' + (qtKey - Qt::Key_0));
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
    return static_cast<UINT>(0x70 + (qtKey - Qt::Key_F1));
  for (const auto& pair : kKeys)
    if (pair.qt == qtKey) return pair.vk;
  return 0;
}

int QtKeyFromVirtualKey(UINT vk) {
  if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + static_cast<int>(vk - 'A');
  if (vk >= '0' && vk <= '9') return Qt::Key_0 + static_cast<int>(vk - '0');
  if (vk >= 0x70 && vk <= 0x87) return Qt::Key_F1 + static_cast<int>(vk - 0x70);
  for (const auto& pair : kKeys)
    if (pair.vk == vk) return pair.qt;
  return 0;
}
