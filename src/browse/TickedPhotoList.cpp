#include "browse/TickedPhotoList.h"

#include <cstdio>

#include "platform/gdi/CDC.h"
#include "platform/text/LocaleCompare.h"
#include "platform/win/Menu.h"
#include "platform/win/SystemMetrics.h"

namespace {

constexpr COLORREF kUntickedText = 0x00808080;
constexpr int kDateColumnWidth = 75;

CImageItem* ItemOf(LPARAM value) {
  return reinterpret_cast<CImageItem*>(value);
}

int Order(int32_t first, int32_t second) {
  return first < second ? -1 : (first > second ? 1 : 0);
}

}  // namespace

void TickedPhotoList::SetThumbnailSize(int pixels) {
  shown_.SetImageSize(pixels);
  shown_.SetStyleBits(0);
}

void TickedPhotoList::Fill(CListCtrl* list, std::function<void()> ticksChanged) {
  list_ = list;
  const RECT client = list_->GetClientRect();
  list_->InsertColumn(
      0, cp932::Lit("写真名"),
      client.right - client.left - GetSystemMetrics(SM_CXVSCROLL) - kDateColumnWidth);
  list_->InsertColumn(1, cp932::Lit("年.月.日"), kDateColumnWidth);
  list_->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_MULTISELECT | LVS_EX_CHECKBOXES);
  ticksChanged_ = std::move(ticksChanged);
  for (int pass = 0; pass < 2; ++pass)
    for (CImageItem* item : view_.items())
      if ((item->selected() != 0) == (pass == 0)) shown_.Add(item);
  int row = 0;
  for (CImageItem* item : shown_.items()) list_->InsertItem(row++, reinterpret_cast<LPARAM>(item));
  if (ticksChanged_) ticksChanged_();
  list_->SelectItem(0);
  list_->SetFocus();
}

CImageItem* TickedPhotoList::ItemAt(int row) const {
  return row < 0 || list_ == nullptr ? nullptr : ItemOf(list_->GetItemData(row));
}

void TickedPhotoList::Toggle(int row) {
  CImageItem* item = ItemAt(row);
  if (item == nullptr) return;
  item->SetSelected(item->selected() != 0 ? 0 : 1);
  if (ticksChanged_) ticksChanged_();
  list_->Invalidate();
}

void TickedPhotoList::ToggleHighlighted() {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    if (list_->IsItemSelected(row)) Toggle(row);
}

void TickedPhotoList::HighlightAll() {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    list_->SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

LRESULT TickedPhotoList::OnNotify(NMHDR* header, CWnd* dialog) {
  if (header == nullptr || list_ == nullptr || header->hwndFrom != list_) return 0;
  switch (header->code) {
    case LVN_GETDISPINFO: {
      auto* info = static_cast<NMLVDISPINFO*>(header);
      const CImageItem* item = ItemOf(info->lParam);
      if (item == nullptr) return 0;
      if ((info->mask & LVIF_TEXT) != 0) info->text = CellText(*item, info->iSubItem);
      if ((info->mask & LVIF_STATE) != 0) info->ticked = item->selected() != 0;
      return 0;
    }
    case NM_CUSTOMDRAW: {
      auto* draw = static_cast<NMLVCUSTOMDRAW*>(header);
      if (draw->dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
      const CImageItem* item = ItemOf(draw->lItemlParam);
      if (item != nullptr && item->selected() == 0) draw->clrText = kUntickedText;
      return 0;
    }
    case LVN_KEYDOWN: {
      const auto* down = static_cast<NMLVKEYDOWN*>(header);
      const WORD key = down->wVKey;
      // A held Space would flicker the ticks on and off.
      if (key == VK_SPACE && (down->flags & KF_REPEAT) == 0) ToggleHighlighted();
      if (key == 'A' && GetKeyState(VK_CONTROL) < 0) HighlightAll();
      return 0;
    }
    case NM_CLICK:
      if (OnTickBox(*static_cast<NMITEMACTIVATE*>(header)))
        Toggle(static_cast<NMITEMACTIVATE*>(header)->iItem);
      return 0;
    case NM_DBLCLK:
      Toggle(list_->GetFocusedItem());
      return 0;
    case LVN_COLUMNCLICK:
      SortByColumn(static_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case LVN_ITEMCHANGED:
      if (dialog != nullptr) dialog->Invalidate();  // the focused photo shows beside the list
      return 0;
    default:
      return 0;
  }
}

bool TickedPhotoList::OnTickBox(const NMITEMACTIVATE& click) const {
  RECT cell{};
  if (click.iItem < 0 || !list_->GetSubItemRect(click.iItem, 0, &cell)) return false;
  return click.ptAction.x >= cell.left && click.ptAction.x < cell.left + kListTickBoxWidth;
}

Cp932String TickedPhotoList::CellText(const CImageItem& item, int column) {
  const CPhotoItem* record = item.record();
  if (record == nullptr) return {};
  if (column == 0) return record->title();
  char date[32];
  std::snprintf(date, sizeof date, "%04d.%02d.%02d", record->year(), record->month(),
                record->day());
  return date;
}

// A second click on the same header turns the order round; another header sorts ascending.
void TickedPhotoList::SortByColumn(int column) {
  sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
  sortColumn_ = column;
  const bool ascending = sortAscending_;
  list_->SortItems([column, ascending](LPARAM first, LPARAM second) {
    const CImageItem* a = ItemOf(first);
    const CImageItem* b = ItemOf(second);
    if (a == nullptr || b == nullptr) return 0;
    int order = column == 0 ? cp932::LocaleCompare(CellText(*a, 0), CellText(*b, 0))
                            : Order(a->DateNumber(), b->DateNumber());
    if (order == 0 && column != 0) order = Order(a->TimeNumber(), b->TimeNumber());
    return ascending ? order : -order;
  });
  list_->SetSortArrow(column, ascending);
}

void TickedPhotoList::PaintFocused(CDC& dc, POINT at) {
  const CImageItem* item = list_ != nullptr ? ItemAt(list_->GetFocusedItem()) : nullptr;
  if (item != nullptr) shown_.style().DrawItem(dc, *item, at.x, at.y);
}
