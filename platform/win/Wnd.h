// Window objects. A window handle is the address of its CWnd; a process-wide set of live
// windows answers IsWindow(), so a message to a destroyed window is a no-op, never a crash.
// Each created window is backed by one widget of the toolkit; its input and window events
// arrive as messages through WindowProc.
#pragma once

#include <memory>

#include "platform/text/Cp932.h"
#include "platform/win/MessageMap.h"
#include "platform/win/WinTypes.h"

class WindowWidget;

BOOL IsWindow(HWND window);
LRESULT SendMessage(HWND window, UINT message, WPARAM w, LPARAM l);
// Queues the message; it is delivered in order through the message loop, after being
// offered to the process's pre-translation, and dropped when the window is gone by then.
BOOL PostMessage(HWND window, UINT message, WPARAM w, LPARAM l);
// Delivers every queued message (the message loop's pump, also used by progress windows).
void PumpMessages();
void MessageBeep(UINT type);

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Creates the window: a child when the style has WS_CHILD and a parent is given, else a
  // top-level window. The window starts hidden unless the style has WS_VISIBLE.
  virtual bool Create(const Cp932String& title, DWORD style, const RECT& rect, HWND parent,
                      UINT id = 0);
  bool DestroyWindow();
  HWND GetSafeHwnd() { return alive_ ? this : nullptr; }
  HWND GetParent() const { return parent_; }
  UINT GetDlgCtrlID() const { return id_; }
  DWORD style() const { return style_; }

  bool MoveWindow(int x, int y, int width, int height, bool repaint = true);
  bool ShowWindow(int command);
  bool IsWindowVisible() const;
  bool EnableWindow(bool enable);
  bool IsWindowEnabled() const;
  bool IsZoomed() const;
  RECT GetWindowRect() const;  // in the parent's client coordinates
  RECT GetClientRect() const;
  void SetWindowText(const Cp932String& text);
  Cp932String GetWindowText() const;
  void Invalidate();
  void InvalidateRect(const RECT& rect);
  // Moves what the area shows by dx, dy and asks for the uncovered part to be painted. Only
  // an opaque window's pixels can be moved; any other is painted again whole.
  void ScrollWindow(int dx, int dy, const RECT& area);
  // Whether the window paints every pixel it is asked to paint itself, so that nothing is
  // erased before it paints.
  void SetOpaque(bool opaque);
  void SetFocus();
  bool HasFocus() const;
  // Hands the keyboard focus this window is given on to the child, which holds it for the
  // window (a view hosting a control); null takes the focus back.
  void SetFocusChild(CWnd* child);
  // True when the window lies in the top-level window that has the keyboard focus.
  bool IsInActiveWindow() const;
  // Converts a point between screen coordinates and the window's client area.
  void ScreenToClient(POINT* point) const;
  void ClientToScreen(POINT* point) const;
  // The text shown when the mouse rests on the window; empty shows none.
  void SetToolTip(const Cp932String& text);
  Cp932String GetToolTip() const;
  // While on, every move of the mouse over the window arrives as WM_MOUSEMOVE, with or
  // without a button held, and WM_MOUSELEAVE tells when the mouse has left it.
  void SetMouseTracking(bool on);
  // Sends the message to every child window and to their children, parents first.
  void SendMessageToDescendants(UINT message, WPARAM w = 0, LPARAM l = 0);

  uintptr_t SetTimer(uintptr_t id, UINT milliseconds);
  bool KillTimer(uintptr_t id);

  LRESULT SendMessage(UINT message, WPARAM w = 0, LPARAM l = 0) {
    return ::SendMessage(this, message, w, l);
  }
  BOOL PostMessage(UINT message, WPARAM w = 0, LPARAM l = 0) {
    return ::PostMessage(this, message, w, l);
  }

  // The window procedure: the message map, then the default handling.
  virtual LRESULT WindowProc(UINT message, WPARAM w, LPARAM l);
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Routes a command to its handler; update requests (ui non-null) fill in the state.
  virtual bool OnCmdMsg(UINT id, CCmdUI* ui);
  virtual bool HasCommandHandler(UINT id) const;

  // The backing widget, for the platform layer and the host (see QtBridge.h).
  WindowWidget* widget() const { return widget_; }

 protected:
  virtual bool OnWndMsg(UINT message, WPARAM w, LPARAM l, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM w, LPARAM l);
  // Makes the backing widget; controls make their own kind.
  virtual WindowWidget* MakeWidget(WindowWidget* parent);

  virtual int OnCreate() { return 0; }
  virtual void OnDestroy() {}
  virtual void OnClose() { DestroyWindow(); }
  virtual void OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}
  virtual void OnShowWindow(bool /*show*/, UINT /*status*/) {}
  virtual void OnTimer(uintptr_t /*id*/) {}
  virtual void OnPaint() {}
  // The left mouse button and the mouse's moves, at a point of the client area.
  virtual void OnLButtonDown(POINT /*point*/) {}
  virtual void OnLButtonUp(POINT /*point*/) {}
  virtual void OnMouseMove(POINT /*point*/) {}
  virtual void OnMouseLeave() {}
  virtual BOOL OnCommand(WPARAM w, LPARAM l);
  // Called once the window is gone; the object may delete itself here.
  virtual void PostNcDestroy() {}

 private:
  friend class WindowWidget;
  void Register();
  void Unregister();

  void DestroyChildren();
  // Called by the widget when the toolkit deletes it before the window was destroyed.
  void WidgetGone();
  // The window is alive and still has its widget: while a window whose widget the toolkit
  // deleted first is told WM_DESTROY, it answers as a window without size or state.
  bool HasWidget() const { return alive_ && widget_ != nullptr; }

  WindowWidget* widget_ = nullptr;
  HWND parent_ = nullptr;
  DWORD style_ = 0;
  UINT id_ = 0;
  bool alive_ = false;
};

namespace win {

// Replaces the timers for tests: started timers are recorded instead of run, and a test
// fires one by sending WM_TIMER itself.
class TimerSource {
 public:
  virtual ~TimerSource() = default;
  virtual void Start(HWND window, uintptr_t id, UINT milliseconds) = 0;
  virtual void Stop(HWND window, uintptr_t id) = 0;
  // Stops every timer of a window that is going.
  virtual void StopAll(HWND /*window*/) {}
};
void SetTimerSourceForTest(TimerSource* source);

// The process's pre-translation: the host installs it; every posted message and every key
// and wheel event is offered to it first and is dropped when it returns true.
using MessageFilter = bool (*)(MSG* msg);
void SetMessageFilter(MessageFilter filter);
bool OfferToFilter(MSG* msg);

// The window under the mouse cursor, or null.
HWND WindowFromCursor();
// The mouse cursor's position on the screen; false without a display.
BOOL GetCursorPos(POINT* point);

// How many times MessageBeep was called (tests check that a command beeped).
int BeepCountForTest();
void CountBeepForTest();

}  // namespace win
