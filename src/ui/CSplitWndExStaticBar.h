// The views' splitter: rows under a fixed bar row (row 0, the view bar, 26 pixels high)
// whose lower edge cannot be dragged; the rows below it split as usual.
#pragma once

#include "ui/CSplitWndEx.h"

class CSplitWndExStaticBar : public CSplitWndEx {
 public:
  static constexpr int kBarHeight = 26;

  // Makes the splitter with row 0 fixed at the bar's height.
  bool CreateStatic(HWND parent, int rows, int columns, DWORD style = WS_CHILD | WS_VISIBLE,
                    UINT id = kFirstPaneId);

 protected:
  void OnLButtonDown(POINT point) override;

 private:
  bool OnBarRowEdge(POINT point) const;
};
