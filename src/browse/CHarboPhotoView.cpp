#include "browse/CHarboPhotoView.h"

#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "images/CImageItems.h"
#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"

namespace {

constexpr int kColourBack = 112;

}  // namespace

bool CHarboPhotoView::Create(HWND parent, UINT id) {
  return CWnd::Create({}, WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, parent, id);
}

void CHarboPhotoView::SetItems(CImageItems* items) {
  if (items_ != nullptr && items_->window() == this) items_->SetWindow(nullptr);
  items_ = items;
  if (items_ != nullptr) items_->SetWindow(this);
  Relayout();
}

void CHarboPhotoView::Relayout() {
  if (items_ != nullptr && IsWindow(this)) items_->Layout(GetClientRect().right);
  Invalidate();
}

void CHarboPhotoView::SelectAll() {
  if (items_ == nullptr) return;
  items_->SetAllSelected(true);
  Invalidate();
}

void CHarboPhotoView::OnSize(UINT /*type*/, int cx, int /*cy*/) {
  if (items_ != nullptr) items_->Layout(cx);
}

void CHarboPhotoView::OnPaint() {
  CPaintDC dc(this);
  const RECT client = GetClientRect();
  CDrawObject* draw = TheApp().drawObject();
  dc.FillSolidRect(client, draw != nullptr ? draw->GetColor(kColourBack) : 0xFFFFFF);
  if (items_ != nullptr) items_->Draw(dc, client, 0);
  if (CMainFrame* frame = MainFrame()) frame->UpdateStatusText();
}
