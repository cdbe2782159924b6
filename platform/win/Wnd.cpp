#include "platform/win/Wnd.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>
#include <deque>
#include <map>
#include <unordered_set>

#include "platform/win/HandlerFailure.h"
#include "platform/win/QtText.h"
#include "platform/win/WindowWidget.h"

namespace {

// The client point packed into a mouse message's second parameter (signed 16-bit halves).
POINT PointOf(LPARAM l) {
  const auto bits = static_cast<uintptr_t>(l);
  return POINT{static_cast<int16_t>(LOWORD(bits)), static_cast<int16_t>(HIWORD(bits))};
}

std::unordered_set<const CWnd*>& LiveWindows() {
  static std::unordered_set<const CWnd*> windows;
  return windows;
}

// Posted messages wait here until the message loop delivers them.
std::deque<MSG>& PostedQueue() {
  static std::deque<MSG> queue;
  return queue;
}
bool g_drainScheduled = false;
win::MessageFilter g_filter = nullptr;

void DeliverPosted() {
  g_drainScheduled = false;
  auto& queue = PostedQueue();
  // Only what was queued before this pass: a handler that posts again waits for the next.
  for (size_t n = queue.size(); n > 0 && !queue.empty(); --n) {
    MSG msg = queue.front();
    queue.pop_front();
    if (!IsWindow(msg.hwnd)) continue;
    if (win::OfferToFilter(&msg)) continue;
    ::SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
  }
}

void ScheduleDrain() {
  if (g_drainScheduled || QCoreApplication::instance() == nullptr) return;
  g_drainScheduled = true;
  QMetaObject::invokeMethod(QCoreApplication::instance(), &DeliverPosted, Qt::QueuedConnection);
}

// The toolkit's timers, one per window and id.
class QtTimerSource : public win::TimerSource {
 public:
  void Start(HWND window, uintptr_t id, UINT milliseconds) override {
    Stop(window, id);
    auto* timer = new QTimer();
    timer->setInterval(static_cast<int>(milliseconds));
    QObject::connect(timer, &QTimer::timeout,
                     [window, id] { ::SendMessage(window, WM_TIMER, id, 0); });
    timers_[{window, id}] = timer;
    timer->start();
  }
  void Stop(HWND window, uintptr_t id) override {
    auto it = timers_.find({window, id});
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
  }
  void StopAll(HWND window) override {
    for (auto it = timers_.lower_bound({window, 0});
         it != timers_.end() && it->first.first == window;) {
      it->second->stop();
      it->second->deleteLater();
      it = timers_.erase(it);
    }
  }

 private:
  std::map<std::pair<HWND, uintptr_t>, QTimer*> timers_;
};

win::TimerSource* g_timerOverride = nullptr;

win::TimerSource& Timers() {
  static QtTimerSource real;
  return g_timerOverride != nullptr ? *g_timerOverride : real;
}

}  // namespace

BOOL IsWindow(HWND window) {
  return window != nullptr && LiveWindows().count(window) != 0 ? 1 : 0;
}

// Every message reaches its window through here: sent, posted, from a timer or from the
// toolkit's events. A handler that throws answers 0, and the process goes on.
LRESULT SendMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (!IsWindow(window)) return 0;
  return win::CallHandler<LRESULT>(0, [&] { return window->WindowProc(message, w, l); });
}

BOOL PostMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (!IsWindow(window)) return 0;
  PostedQueue().push_back(MSG{window, message, w, l, 0, {}});
  ScheduleDrain();
  return 1;
}

void PumpMessages() {
  DeliverPosted();
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
  DeliverPosted();
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (alive_) DestroyWindow();
}

void CWnd::Register() {
  LiveWindows().insert(this);
  alive_ = true;
}

// A window that goes takes its timers with it.
void CWnd::Unregister() {
  if (alive_) Timers().StopAll(this);
  LiveWindows().erase(this);
  alive_ = false;
}

WindowWidget* CWnd::MakeWidget(WindowWidget* parent) {
  return new WindowWidget(this, parent);
}

bool CWnd::Create(const Cp932String& title, DWORD style, const RECT& rect, HWND parent, UINT id) {
  if (alive_) return false;
  if (parent != nullptr && !IsWindow(parent)) return false;
  // A child window needs a parent, as the window system refuses one without.
  const bool child = (style & WS_CHILD) != 0;
  if (child && parent == nullptr) return false;
  style_ = style;  // the widget made may depend on it
  widget_ = MakeWidget(child ? parent->widget() : nullptr);
  parent_ = parent;
  id_ = id;
  widget_->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  widget_->setWindowTitle(QtText::FromCp932(title));
  Register();
  if (SendMessage(WM_CREATE, 0, 0) == -1) {
    DestroyWindow();
    return false;
  }
  if ((style & WS_VISIBLE) != 0) widget_->show();
  return true;
}

bool CWnd::DestroyWindow() {
  if (!alive_) return false;
  DestroyChildren();
  SendMessage(WM_DESTROY, 0, 0);
  Unregister();
  if (widget_ != nullptr) {
    widget_->Detach();
    widget_->hide();
    widget_->deleteLater();
    widget_ = nullptr;
  }
  PostNcDestroy();
  return true;
}

// Child windows go before their parent, as the window system destroys them.
void CWnd::DestroyChildren() {
  if (widget_ == nullptr) return;
  // The widget class has no meta-object of its own, so children are told apart by their type.
  const QObjectList children = widget_->children();
  for (QObject* object : children) {
    auto* child = dynamic_cast<WindowWidget*>(object);
    if (child != nullptr && child->owner() != nullptr) child->owner()->DestroyWindow();
  }
}

void CWnd::WidgetGone() {
  widget_ = nullptr;
  if (!alive_) return;
  SendMessage(WM_DESTROY, 0, 0);
  Unregister();
  PostNcDestroy();
}

bool CWnd::MoveWindow(int x, int y, int width, int height, bool repaint) {
  if (!HasWidget()) return false;
  widget_->setGeometry(x, y, width, height);
  if (repaint) widget_->update();
  return true;
}

bool CWnd::ShowWindow(int command) {
  if (!HasWidget()) return false;
  const bool wasVisible = widget_->isVisible();
  if (command == SW_HIDE) {
    widget_->hide();
  } else if (command == SW_SHOWMAXIMIZED && widget_->isWindow()) {
    widget_->showMaximized();
  } else {
    widget_->show();
  }
  return wasVisible;
}

bool CWnd::IsWindowVisible() const {
  return HasWidget() && widget_->isVisible();
}

bool CWnd::EnableWindow(bool enable) {
  if (!HasWidget()) return false;
  const bool wasDisabled = !widget_->isEnabled();
  widget_->setEnabled(enable);
  return wasDisabled;
}

bool CWnd::IsWindowEnabled() const {
  return HasWidget() && widget_->isEnabled();
}

bool CWnd::IsZoomed() const {
  return HasWidget() && widget_->isMaximized();
}

RECT CWnd::GetWindowRect() const {
  if (!HasWidget()) return {};
  const QRect g = widget_->geometry();
  return RECT{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

RECT CWnd::GetClientRect() const {
  if (!HasWidget()) return {};
  return RECT{0, 0, widget_->width(), widget_->height()};
}

void CWnd::SetWindowText(const Cp932String& text) {
  if (HasWidget()) widget_->setWindowTitle(QtText::FromCp932(text));
}

Cp932String CWnd::GetWindowText() const {
  return HasWidget() ? QtText::ToCp932Lossy(widget_->windowTitle()) : Cp932String();
}

void CWnd::Invalidate() {
  if (HasWidget()) widget_->update();
}

void CWnd::InvalidateRect(const RECT& rect) {
  if (HasWidget())
    widget_->update(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void CWnd::SetOpaque(bool opaque) {
  if (HasWidget()) widget_->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void CWnd::ScrollWindow(int dx, int dy, const RECT& area) {
  if (HasWidget())
    widget_->scroll(dx, dy,
                    QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
}

void CWnd::SetFocus() {
  if (HasWidget()) widget_->setFocus();
}

bool CWnd::HasFocus() const {
  return HasWidget() && widget_->hasFocus();
}

void CWnd::SetFocusChild(CWnd* child) {
  if (!HasWidget()) return;
  widget_->setFocusProxy(child != nullptr && child->HasWidget() ? child->widget_ : nullptr);
}

bool CWnd::IsInActiveWindow() const {
  return HasWidget() && widget_->isActiveWindow();
}

void CWnd::ScreenToClient(POINT* point) const {
  if (!HasWidget() || point == nullptr) return;
  const QPoint p = widget_->mapFromGlobal(QPoint(point->x, point->y));
  *point = POINT{p.x(), p.y()};
}

void CWnd::ClientToScreen(POINT* point) const {
  if (!HasWidget() || point == nullptr) return;
  const QPoint p = widget_->mapToGlobal(QPoint(point->x, point->y));
  *point = POINT{p.x(), p.y()};
}

void CWnd::SetToolTip(const Cp932String& text) {
  if (HasWidget()) widget_->setToolTip(QtText::FromCp932(text));
}

Cp932String CWnd::GetToolTip() const {
  return HasWidget() ? QtText::ToCp932Lossy(widget_->toolTip()) : Cp932String();
}

void CWnd::SetMouseTracking(bool on) {
  if (HasWidget()) widget_->setMouseTracking(on);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM w, LPARAM l) {
  if (!HasWidget()) return;
  const QObjectList children = widget_->children();
  for (QObject* object : children) {
    auto* child = dynamic_cast<WindowWidget*>(object);
    if (child == nullptr || child->owner() == nullptr) continue;
    CWnd* window = child->owner();
    window->SendMessage(message, w, l);
    // The handler may have destroyed the child.
    if (IsWindow(window)) window->SendMessageToDescendants(message, w, l);
  }
}

uintptr_t CWnd::SetTimer(uintptr_t id, UINT milliseconds) {
  if (!alive_) return 0;
  Timers().Start(this, id, milliseconds);
  return id;
}

bool CWnd::KillTimer(uintptr_t id) {
  if (!alive_) return false;
  Timers().Stop(this, id);
  return true;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (OnWndMsg(message, w, l, &result)) return result;
  return DefWindowProc(message, w, l);
}

BOOL CWnd::PreTranslateMessage(MSG* /*msg*/) {
  return 0;
}

bool CWnd::OnWndMsg(UINT /*message*/, WPARAM /*w*/, LPARAM /*l*/, LRESULT* /*result*/) {
  return false;
}

bool CWnd::OnCmdMsg(UINT /*id*/, CCmdUI* /*ui*/) {
  return false;
}

bool CWnd::HasCommandHandler(UINT /*id*/) const {
  return false;
}

BOOL CWnd::OnCommand(WPARAM w, LPARAM /*l*/) {
  return OnCmdMsg(LOWORD(w), nullptr) ? 1 : 0;
}

// The default handling, unpacked once into the typed handlers.
LRESULT CWnd::DefWindowProc(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SIZE:
      OnSize(static_cast<UINT>(w), LOWORD(static_cast<uintptr_t>(l)),
             HIWORD(static_cast<uintptr_t>(l)));
      return 0;
    case WM_SHOWWINDOW:
      OnShowWindow(w != 0, static_cast<UINT>(l));
      return 0;
    case WM_TIMER:
      OnTimer(w);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(PointOf(l));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(PointOf(l));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(l));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_COMMAND:
      return OnCommand(w, l);
    default:
      return 0;
  }
}

void MessageBeep(UINT /*type*/) {
  win::CountBeepForTest();
  if (QCoreApplication::instance() != nullptr && qobject_cast<QApplication*>(qApp) != nullptr)
    QApplication::beep();
}

namespace win {

void SetTimerSourceForTest(TimerSource* source) {
  g_timerOverride = source;
}

void InstallPreTranslateHook();

void SetMessageFilter(MessageFilter filter) {
  g_filter = filter;
  InstallPreTranslateHook();
}

bool OfferToFilter(MSG* msg) {
  return g_filter != nullptr && CallHandler(false, [&] { return g_filter(msg); });
}

HWND WindowFromCursor() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  return WindowOfWidget(QApplication::widgetAt(QCursor::pos()));
}

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
    return 0;
  const QPoint at = QCursor::pos();
  *point = POINT{at.x(), at.y()};
  return 1;
}

namespace {
int g_beeps = 0;
}
void CountBeepForTest() {
  ++g_beeps;
}
int BeepCountForTest() {
  return g_beeps;
}

}  // namespace win
