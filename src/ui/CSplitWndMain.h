// The frame's main splitter: the index beside the views (one row, two columns). A mouse
// wheel handed to it goes on to the pane under the mouse, through the splitters nested in
// it, so that the view under the mouse scrolls wherever the focus is.
#pragma once

#include "ui/CSplitWndEx.h"

class CSplitWndMain : public CSplitWndEx {
  HARBO_DECLARE_MESSAGE_MAP(CSplitWndMain)

 public:
  // The innermost pane under a point of the screen, or null when none is.
  CWnd* PaneFromScreen(POINT screen) const;

 private:
  // WM_MOUSEWHEEL: the second parameter is the mouse's point on the screen.
  LRESULT OnMouseWheel(WPARAM w, LPARAM l);
};
