#include "browse/CIdxIndexView.h"

#include "browse/IndexQuery.h"
#include "browse/IndexTree.h"
#include "host/CHarboPhotoApp.h"
#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"

namespace {

constexpr const char* kSection = "IndexView";
constexpr int kColourBack = 112;

}  // namespace

bool CIdxIndexView::Create(HWND parent, UINT id, HWND frame) {
  frame_ = frame;
  return CWnd::Create({}, WS_CHILD | WS_VISIBLE, RECT{0, 0, 121, 26}, parent, id);
}

void CIdxIndexView::SelectCategory(LPARAM category) {
  if (category == indextree::kSearch || category == category_) return;
  category_ = category;
  entry_ = indexquery::kAllEntry;
  SendQuery();
}

void CIdxIndexView::ApplyAgain() {
  SendQuery();
}

bool CIdxIndexView::favouritesCurrent() const {
  return category_ == indextree::kFavourites;
}

void CIdxIndexView::SendQuery() const {
  if (!IsWindow(frame_) || category_ == indextree::kSearch) return;
  SearchCriteria query = indexquery::For(category_, entry_);
  ::SendMessage(frame_, kMsgQuery, 0, reinterpret_cast<LPARAM>(&query));
}

void CIdxIndexView::LoadState() {
  CHarboPhotoApp& app = TheApp();
  category_ =
      static_cast<LPARAM>(static_cast<uint32_t>(app.ReadInt(kSection, "TabCurrent", 0x10000)));
  entry_ = app.ReadInt(kSection, "ListCurrent", indexquery::kAllEntry);
}

void CIdxIndexView::SaveState() const {
  CHarboPhotoApp& app = TheApp();
  app.WriteInt(kSection, "TabCurrent", static_cast<int>(category_));
  app.WriteInt(kSection, "ListCurrent", entry_);
}

void CIdxIndexView::OnPaint() {
  CPaintDC dc(this);
  CDrawObject* draw = TheApp().drawObject();
  dc.FillSolidRect(GetClientRect(), draw != nullptr ? draw->GetColor(kColourBack) : 0xFFFFFF);
}
