#include "ui/CListViewEx.h"

bool CListViewEx::Create(HWND parent, UINT id) {
  if (!CWnd::Create({}, WS_CHILD, RECT{0, 0, 100, 100}, parent, id)) return false;
  const RECT client = GetClientRect();
  if (!list_.Create(client, this, kListId)) return false;
  SetFocusChild(&list_);
  return true;
}

void CListViewEx::OnSize(UINT /*type*/, int cx, int cy) {
  if (IsWindow(&list_)) list_.MoveWindow(0, 0, cx, cy, true);
}
