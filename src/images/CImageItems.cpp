#include "images/CImageItems.h"

#include <algorithm>

#include "host/CHarboPhotoApp.h"
#include "images/ItemSort.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Wnd.h"

namespace {

bool Contains(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void SetCurrentPhoto(CPhotoItem* record) {
  if (CPhotoManager* library = TheApp().library()) library->SetCurrentPhoto(record);
}

}  // namespace

CImageItems::CImageItems(bool owning) : owning_(owning), style_(std::make_unique<CImageStyle3>()) {
  style_->SetStyleBits(styleBits_);
  style_->SetSize(imageSize_);
}

CImageItems::~CImageItems() {
  RemoveAll();
}

// A full array grows by the step rather than doubling, as sets are built item by item up
// to the library's size.
void CImageItems::Grow() {
  if (items_.size() == items_.capacity()) items_.reserve(items_.capacity() + kGrowthStep);
}

void CImageItems::Add(CImageItem* item) {
  if (item == nullptr) return;
  Grow();
  items_.push_back(item);
}

CImageItem* CImageItems::AddRecord(CPhotoItem* record) {
  auto* item = new CImageItem(record);
  Add(item);
  return item;
}

void CImageItems::RemoveAt(int index) {
  CImageItem* item = At(index);
  if (item == nullptr) return;
  items_.erase(items_.begin() + index);
  if (focus_ == index)
    focus_ = -1;
  else if (focus_ > index)
    --focus_;
  if (owning_) delete item;
}

void CImageItems::Remove(CImageItem* item) {
  RemoveAt(IndexOf(item));
}

void CImageItems::RemoveAll() {
  if (owning_)
    for (CImageItem* item : items_) delete item;
  items_.clear();
  focus_ = -1;
}

CImageItem* CImageItems::At(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return items_[static_cast<size_t>(index)];
}

CImageItem* CImageItems::ItemOf(const CPhotoItem* record) const {
  return At(IndexOfRecord(record));
}

int CImageItems::IndexOfRecord(const CPhotoItem* record) const {
  if (record == nullptr) return -1;
  const auto it = std::find_if(items_.begin(), items_.end(),
                               [record](const CImageItem* i) { return i->record() == record; });
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int CImageItems::IndexOf(const CImageItem* item) const {
  if (item == nullptr) return -1;
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int CImageItems::SelectedCount() const {
  return static_cast<int>(std::count_if(items_.begin(), items_.end(),
                                        [](const CImageItem* i) { return i->selected() != 0; }));
}

void CImageItems::SetAllSelected(bool selected) {
  for (CImageItem* item : items_) item->SetSelected(selected ? 1 : 0);
}

void CImageItems::SetFocusItem(CImageItem* item) {
  SetFocusIndex(IndexOf(item));
}

void CImageItems::SetFocusIndex(int index) {
  CImageItem* item = At(index);
  focus_ = item != nullptr ? index : -1;
  SetCurrentPhoto(item != nullptr ? item->record() : nullptr);
}

bool CImageItems::SetOrder(const std::vector<CImageItem*>& order, int32_t sortValue) {
  std::vector<CImageItem*> mine = items_;
  std::vector<CImageItem*> theirs = order;
  std::sort(mine.begin(), mine.end());
  std::sort(theirs.begin(), theirs.end());
  if (mine != theirs) return false;
  CImageItem* focused = FocusedItem();
  std::copy(order.begin(), order.end(), items_.begin());
  focus_ = IndexOf(focused);
  sortValue_ = sortValue;
  return true;
}

void CImageItems::SetImageSize(int pixels) {
  style_->SetSize(pixels);
  imageSize_ = style_->imageSize();
}

void CImageItems::SetStyleBits(uint16_t bits) {
  styleBits_ = bits;
  style_->SetStyleBits(bits);
  Layout();
}

void CImageItems::SetStyleBit(uint16_t bit, bool on) {
  SetStyleBits(static_cast<uint16_t>(on ? styleBits_ | bit : styleBits_ & ~bit));
}

void CImageItems::SetCategory(int category) {
  category_ = category;
  style_->SetCategory(category);
}

bool CImageItems::Sort(int32_t sortValue) {
  if (!itemsort::HasKnownKey(sortValue)) return false;
  CImageItem* focused = FocusedItem();
  itemsort::Sort(items_, sortValue);
  if (focused != nullptr) focus_ = IndexOf(focused);
  sortValue_ = sortValue;
  return true;
}

void CImageItems::Layout(int windowWidth) {
  layoutWidth_ = windowWidth;
  const int width = windowWidth - GetSystemMetrics(SM_CXVSCROLL);
  const int cellW = style_->CellWidth(), cellH = style_->CellHeight();
  columns_ = cellW > 0 ? (width - style_->LeftMargin()) / cellW : 0;
  if (columns_ <= 0) columns_ = 1;
  for (size_t i = 0; i < items_.size(); ++i) {
    const int row = static_cast<int>(i) / columns_, column = static_cast<int>(i) % columns_;
    items_[i]->SetPosition(column * cellW + style_->LeftMargin(),
                           style_->TopMargin() + row * cellH);
  }
  lastRow_ = items_.empty() ? 0 : (count() - 1) / columns_;
  totalHeight_ = items_.empty() ? 0 : items_.back()->y() + cellH;
}

void CImageItems::Layout() {
  if (!IsWindow(window_)) return Layout(layoutWidth_);
  const RECT client = window_->GetClientRect();
  Layout(client.right - client.left);
}

int CImageItems::RowsPerPage(int clientHeight) const {
  const int step = style_->ItemHeight() + style_->TopMargin();
  if (step <= 0) return 1;
  return std::max(1, (clientHeight + style_->ItemHeight()) / step);
}

CImageItem* CImageItems::HitTest(int x, int y) const {
  const int w = style_->ItemWidth(), h = style_->ItemHeight();
  for (CImageItem* item : items_)
    if (Contains(RECT{item->x(), item->y(), item->x() + w, item->y() + h}, x, y)) return item;
  return nullptr;
}

int CImageItems::HitPart(const CImageItem& item, int x, int y) const {
  const ItemParts parts = style_->PartRects(item.x(), item.y());
  int bits = 0;
  if (Contains(parts.picture, x, y)) bits |= CImageStyle::kPartPicture;
  if (Contains(parts.name, x, y)) bits |= CImageStyle::kPartName;
  if (Contains(parts.date, x, y)) bits |= CImageStyle::kPartDate;
  if (Contains(parts.memo, x, y)) bits |= CImageStyle::kPartMemo;
  return bits;
}

int CImageItems::Draw(CDC& dc, const RECT& client, int scrollY, const RECT* update) {
  int bandTop = scrollY, bandBottom = scrollY + (client.bottom - client.top);
  if (update != nullptr) {
    bandTop = std::max(bandTop, scrollY + update->top - client.top);
    bandBottom = std::min(bandBottom, scrollY + update->bottom - client.top);
  }
  const int cellH = style_->CellHeight();
  style_->ResetPending();
  int drawn = 0;
  for (CImageItem* item : items_) {
    if (item->y() >= bandBottom) break;
    if (item->y() + cellH <= bandTop) continue;
    style_->DrawItem(dc, *item, client.left + item->x(), client.top + item->y() - scrollY);
    ++drawn;
  }
  return drawn;
}
