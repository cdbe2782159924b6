#include "print/CHarboPhotoPrintView.h"

bool CHarboPhotoPrintView::Create(HWND parent, UINT id) {
  return CWnd::Create({}, WS_CHILD, RECT{0, 0, 100, 26}, parent, id);
}

bool CHarboPhotoPrintView::IsPlaced(const CPhotoItem* /*record*/) const {
  return false;
}
