#include "ui/CSplitWndMain.h"

const MessageMap<CSplitWndMain>& CSplitWndMain::GetMessageMap() {
  static const MessageMap<CSplitWndMain> map{
      .messages = {{WM_MOUSEWHEEL, &CSplitWndMain::OnMouseWheel}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CSplitWndMain, CSplitWndEx)

// Goes down through the splitters in the panes until a pane that is none.
CWnd* CSplitWndMain::PaneFromScreen(POINT screen) const {
  const CSplitterWnd* splitter = this;
  CWnd* pane = nullptr;
  while (splitter != nullptr) {
    POINT point = screen;
    splitter->ScreenToClient(&point);
    CWnd* inner = splitter->PaneAt(point);
    if (inner == nullptr || !IsWindow(inner)) break;
    pane = inner;
    splitter = dynamic_cast<const CSplitterWnd*>(inner);
  }
  return pane;
}

LRESULT CSplitWndMain::OnMouseWheel(WPARAM w, LPARAM l) {
  const auto bits = static_cast<uintptr_t>(l);
  const POINT screen{static_cast<int16_t>(LOWORD(bits)), static_cast<int16_t>(HIWORD(bits))};
  CWnd* pane = PaneFromScreen(screen);
  return pane != nullptr ? pane->SendMessage(WM_MOUSEWHEEL, w, l) : 0;
}
