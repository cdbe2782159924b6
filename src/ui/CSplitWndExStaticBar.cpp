#include "ui/CSplitWndExStaticBar.h"

bool CSplitWndExStaticBar::CreateStatic(HWND parent, int rows, int columns, DWORD style, UINT id) {
  if (!CSplitterWnd::CreateStatic(parent, rows, columns, style, id)) return false;
  SetRowInfo(0, kBarHeight, kBarHeight);
  return true;
}

// The bar that follows the bar row, when another row follows it at all.
bool CSplitWndExStaticBar::OnBarRowEdge(POINT point) const {
  const RECT bar = CellRect(0, 0);
  return IsRowShown(0) && point.y >= bar.bottom && point.y < bar.bottom + kBarSize;
}

void CSplitWndExStaticBar::OnLButtonDown(POINT point) {
  if (OnBarRowEdge(point)) return;
  CSplitterWnd::OnLButtonDown(point);
}
