#include "platform/win/FrameWnd.h"

#include "platform/win/Dialog.h"

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
  if (msg == nullptr) return 0;
  if (msg->message >= WM_KEYDOWN && msg->message <= WM_SYSKEYDOWN + 4 && accelerators_ != nullptr)
    return TranslateAccelerator(this, accelerators_, msg);
  return 0;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
  if (msg == nullptr || !IsWindow(mainWindow_)) return 0;
  for (HWND w = msg->hwnd; IsWindow(w); w = w->GetParent()) {
    if (w->PreTranslateMessage(msg)) return 1;
    if (w == mainWindow_) return 0;
    // A dialog's keys are its own: the window it belongs to does not translate them.
    if (dynamic_cast<CDialog*>(w) != nullptr) return 0;
  }
  // A message for a window outside the album (the host's own) still gets the main
  // window's accelerators, as a frame translates keys for its whole thread.
  return mainWindow_->PreTranslateMessage(msg);
}
