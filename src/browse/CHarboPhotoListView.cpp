#include "browse/CHarboPhotoListView.h"

#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "images/CImageItems.h"
#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"

namespace {

constexpr int kColourBack = 112;

}  // namespace

bool CHarboPhotoListView::Create(HWND parent, UINT id) {
  return CWnd::Create({}, WS_CHILD, RECT{0, 0, 100, 100}, parent, id);
}

void CHarboPhotoListView::SetItems(CImageItems* items) {
  items_ = items;
  Invalidate();
}

void CHarboPhotoListView::RemoveItem(const CImageItem* /*item*/) {
  Invalidate();
}

void CHarboPhotoListView::SelectAll() {
  if (items_ == nullptr) return;
  items_->SetAllSelected(true);
  Invalidate();
}

void CHarboPhotoListView::OnPaint() {
  CPaintDC dc(this);
  CDrawObject* draw = TheApp().drawObject();
  dc.FillSolidRect(GetClientRect(), draw != nullptr ? draw->GetColor(kColourBack) : 0xFFFFFF);
  if (CMainFrame* frame = MainFrame()) frame->UpdateStatusText();
}
