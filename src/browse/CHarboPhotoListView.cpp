#include "browse/CHarboPhotoListView.h"

#include <array>
#include <cstdio>
#include <vector>

#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "images/CImageItems.h"
#include "library/CPhotoManager.h"
#include "library/PhotoKind.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/shell/DragDrop.h"
#include "platform/shell/Shell.h"
#include "platform/shell/ShellIcons.h"
#include "platform/text/LocaleCompare.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "platform/win/WaitCursor.h"
#include "resources/CommandIds.h"
#include "slideshow/CDlgImagePreview.h"

namespace {

using cp932::Lit;

// The frame's delete command, as the Delete key asks for it.
constexpr UINT kMsgDeleteKey = WM_USER + 0x159;
// The category and favourite mask of a set whose dates are update dates, not phone dates.
constexpr int kUpdatedCategory = static_cast<int>(0x80000000u);
constexpr int kUpdatedFavouriteMask = 4;

struct ColumnSpec {
  const char* heading;
  int width;
  int format;
  int32_t sortKey;
};

constexpr std::array<ColumnSpec, CHarboPhotoListView::kColumnCount> kColumns{{
    {"名前", 200, LVCFMT_LEFT, CImageItems::kSortName},
    {"サイズ", 100, LVCFMT_RIGHT, CImageItems::kSortSize},
    {"携帯日時", 150, LVCFMT_LEFT, CImageItems::kSortDate},
    {"メモ", 320, LVCFMT_LEFT, CImageItems::kSortMemo},
}};

int Sign(int64_t difference) {
  return (difference > 0) - (difference < 0);
}

CImageItem* ItemOf(LPARAM value) {
  return reinterpret_cast<CImageItem*>(value);
}

// Odd rows: the highlight mixed into the window colour, one part in five.
COLORREF OddRowColour() {
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  auto mix = [](BYTE h, BYTE w) { return static_cast<BYTE>((h + 4 * w) / 5); };
  return RGB(mix(GetRValue(highlight), GetRValue(window)),
             mix(GetGValue(highlight), GetGValue(window)),
             mix(GetBValue(highlight), GetBValue(window)));
}

POINT PointOf(LPARAM l) {
  return POINT{static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(l))),
               static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(l)))};
}

}  // namespace

const MessageMap<CHarboPhotoListView>& CHarboPhotoListView::GetMessageMap() {
  static const MessageMap<CHarboPhotoListView> map{
      .messages =
          {
              {WM_NOTIFY, &CHarboPhotoListView::OnNotify},
              {WM_CONTEXTMENU, &CHarboPhotoListView::OnContextMenu},
          },
      .commands = {{cmd::kOpenItem, &CHarboPhotoListView::OnOpenItem}},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CHarboPhotoListView, CListViewEx)

// The list's header is the toolkit's, and its rows show the system's small file icons.
bool CHarboPhotoListView::Create(HWND parent, UINT id) {
  if (!CListViewEx::Create(parent, id)) return false;
  CListCtrlEx& list = GetListCtrl();
  list.SetHeaderCtrl(&header_);
  list.ShowSystemSmallIcons(true);
  AddColumns();
  return true;
}

void CHarboPhotoListView::AddColumns() {
  CListCtrlEx& list = GetListCtrl();
  for (int i = 0; i < kColumnCount; ++i) {
    const ColumnSpec& column = kColumns[static_cast<size_t>(i)];
    list.InsertColumn(i, Lit(column.heading), column.width, column.format);
  }
}

// -- What the frame asks -----------------------------------------------------------------

void CHarboPhotoListView::SetItems(CImageItems* items) {
  items_ = items;
  CListCtrlEx& list = GetListCtrl();
  list.DeleteAllItems();
  if (items == nullptr) return;
  const bool updated =
      items->category() == kUpdatedCategory && items->favouriteMask() == kUpdatedFavouriteMask;
  list.SetColumnHeading(kColumnDate, Lit(updated ? "更新日時" : "携帯日時"));
  ShowSortMark();
  std::vector<LPARAM> rows;
  rows.reserve(static_cast<size_t>(items->count()));
  for (CImageItem* item : items->items()) rows.push_back(reinterpret_cast<LPARAM>(item));
  list.AppendItems(rows);
  RefreshSelection();
  FocusStartRow();
}

// The library's current photo has the focus, else the first row.
void CHarboPhotoListView::FocusStartRow() {
  const CPhotoManager* library = TheApp().library();
  const CImageItem* current = library != nullptr ? ItemOfRecord(library->currentPhoto()) : nullptr;
  CListCtrlEx& list = GetListCtrl();
  const int row = current != nullptr ? list.FindItem(reinterpret_cast<LPARAM>(current)) : 0;
  if (row < 0 || row >= list.GetItemCount()) return;
  list.SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
  list.EnsureVisible(row);
}

void CHarboPhotoListView::RemoveItem(const CImageItem* item) {
  CListCtrlEx& list = GetListCtrl();
  list.DeleteItem(list.FindItem(reinterpret_cast<LPARAM>(item)));
  UpdateStatus();
}

void CHarboPhotoListView::SelectAll() {
  if (items_ == nullptr) return;
  settingRows_ = true;
  GetListCtrl().SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
  settingRows_ = false;
  UpdateStatus();
}

void CHarboPhotoListView::RefreshSelection() {
  CListCtrlEx& list = GetListCtrl();
  settingRows_ = true;
  for (int row = 0; row < list.GetItemCount(); ++row) {
    const UINT wanted = ItemAt(row)->selected() != 0 ? LVIS_SELECTED : 0;
    if (list.GetItemState(row, LVIS_SELECTED) != wanted)
      list.SetItemState(row, wanted, LVIS_SELECTED);
  }
  settingRows_ = false;
  UpdateStatus();
}

CImageItem* CHarboPhotoListView::ItemOfRecord(const CPhotoItem* record) const {
  return items_ != nullptr ? items_->ItemOf(record) : nullptr;
}

void CHarboPhotoListView::Sort(int32_t sortValue) {
  const int column = ColumnOfSort(sortValue);
  if (items_ == nullptr || column < 0) return;
  const CWaitCursor wait;
  CListCtrlEx& list = GetListCtrl();
  const bool descending = (static_cast<uint32_t>(sortValue) & CImageItems::kSortDescending) != 0;
  list.SortItems([column, descending](LPARAM a, LPARAM b) {
    const int order = Compare(*ItemOf(a), *ItemOf(b), column);
    return descending ? -order : order;
  });
  std::vector<CImageItem*> order;
  order.reserve(static_cast<size_t>(list.GetItemCount()));
  for (int row = 0; row < list.GetItemCount(); ++row) order.push_back(ItemAt(row));
  items_->SetOrder(order, sortValue);
  ShowSortMark();
  list.EnsureVisible(list.GetFocusedItem());
}

void CHarboPhotoListView::ShowSortMark() {
  if (items_ == nullptr) return;
  const bool ascending =
      (static_cast<uint32_t>(items_->sortValue()) & CImageItems::kSortDescending) == 0;
  header_.SetSortMark(ColumnOfSort(items_->sortValue()), ascending);
}

void CHarboPhotoListView::OpenFocused() {
  if (items_ == nullptr) return;
  const CImageItem* item = ItemAt(GetListCtrl().GetFocusedItem());
  if (item != nullptr) Open(*item);
}

// A movie opens in its program, a photo in the preview.
void CHarboPhotoListView::Open(const CImageItem& item) {
  const CPhotoItem* record = item.record();
  if (record == nullptr || record->path().empty()) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  if ((record->flags() & PhotoKind::kMovie) != 0) {
    ShellExecuteA(this, "open", record->path().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return;
  }
  items_->SetFocusIndex(items_->IndexOf(&item));
  Preview();
}

// The preview runs modally on the set with the view busy; the rows follow the focus it
// stepped to.
void CHarboPhotoListView::Preview() {
  if (items_ == nullptr || busy_) return;
  busy_ = true;
  CDlgImagePreview preview(items_, this);
  preview.DoModal();
  busy_ = false;
  SetItems(items_);
}

// -- Texts and orders ------------------------------------------------------------------------

Cp932String CHarboPhotoListView::SizeText(int32_t bytes) {
  const int64_t kilobytes = (static_cast<int64_t>(bytes) + 1023) / 1024;
  return std::to_string(kilobytes) + "KB";
}

Cp932String CHarboPhotoListView::DateText(const CPhotoItem& record) {
  char text[64];
  std::snprintf(text, sizeof(text), "%04d/%02d/%02d  %02d:%02d:%02d", record.year(), record.month(),
                record.day(), record.hour(), record.minute(), record.second());
  return text;
}

int CHarboPhotoListView::Compare(const CImageItem& first, const CImageItem& second, int column) {
  switch (column) {
    case kColumnName:
      return cp932::LocaleCompare(first.title(), second.title());
    case kColumnSize:
      return Sign(static_cast<int64_t>(first.size()) - second.size());
    case kColumnDate:
      if (first.DateNumber() != second.DateNumber())
        return Sign(static_cast<int64_t>(first.DateNumber()) - second.DateNumber());
      return Sign(static_cast<int64_t>(first.TimeNumber()) - second.TimeNumber());
    case kColumnMemo:
      return cp932::LocaleCompare(first.memo(), second.memo());
    default:
      return 0;
  }
}

int CHarboPhotoListView::ColumnOfSort(int32_t sortValue) {
  const int32_t key =
      static_cast<int32_t>(static_cast<uint32_t>(sortValue) & ~CImageItems::kSortDescending);
  for (int i = 0; i < kColumnCount; ++i)
    if (kColumns[static_cast<size_t>(i)].sortKey == key) return i;
  return -1;
}

// -- The list's notifications --------------------------------------------------------------

LRESULT CHarboPhotoListView::OnNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  if (header == nullptr || header->hwndFrom != &GetListCtrl()) return 0;
  switch (header->code) {
    case LVN_GETDISPINFO:
      SupplyCell(*static_cast<NMLVDISPINFO*>(header));
      return 0;
    case LVN_ITEMCHANGED:
      RowChanged(*static_cast<NMLISTVIEW*>(header));
      return 0;
    case LVN_COLUMNCLICK:
      ColumnClicked(static_cast<NMLISTVIEW*>(header)->iSubItem);
      return 0;
    case LVN_BEGINDRAG:
      BeginDrag();
      return 0;
    case LVN_KEYDOWN:
      KeyDown(static_cast<NMLVKEYDOWN*>(header)->wVKey);
      return 0;
    case NM_CUSTOMDRAW:
      return RowColours(*static_cast<NMLVCUSTOMDRAW*>(header));
    case NM_DBLCLK:
      DoubleClicked(*static_cast<NMITEMACTIVATE*>(header));
      return 0;
    default:
      return 0;
  }
}

// The icon is the one of the file's type, found by its name alone.
void CHarboPhotoListView::SupplyCell(NMLVDISPINFO& info) const {
  const CImageItem* item = ItemOf(info.lParam);
  const CPhotoItem* record = item != nullptr ? item->record() : nullptr;
  if (record == nullptr) return;
  if ((info.mask & LVIF_IMAGE) != 0) info.iImage = shell::FileIconIndexOfName(record->path());
  if ((info.mask & LVIF_TEXT) == 0) return;
  switch (info.iSubItem) {
    case kColumnName:
      info.text = record->title();
      return;
    case kColumnSize:
      info.text = SizeText(record->size());
      return;
    case kColumnDate:
      info.text = DateText(*record);
      return;
    case kColumnMemo:
      info.text = record->memo();
      return;
    default:
      return;
  }
}

// The item's mark follows its row; the focused row's item is the set's focus and its
// record the library's current photo.
void CHarboPhotoListView::RowChanged(const NMLISTVIEW& change) {
  CImageItem* item = ItemOf(change.lParam);
  if (items_ == nullptr || item == nullptr) return;
  if (((change.uOldState ^ change.uNewState) & (LVIS_SELECTED | LVIS_FOCUSED)) == 0) return;
  item->SetSelected((change.uNewState & LVIS_SELECTED) != 0 ? 1 : 0);
  if ((change.uNewState & LVIS_FOCUSED) != 0) items_->SetFocusItem(item);
  if (!settingRows_) UpdateStatus();
}

// The current key while ascending turns the order round; any other column sorts ascending.
void CHarboPhotoListView::ColumnClicked(int column) {
  if (items_ == nullptr || column < 0 || column >= kColumnCount) return;
  const int32_t key = kColumns[static_cast<size_t>(column)].sortKey;
  const bool turnRound = items_->sortValue() == key;
  Sort(turnRound ? static_cast<int32_t>(CImageItems::kSortDescending | static_cast<uint32_t>(key))
                 : key);
}

// The selected files go out as a file list, copy only. While the drag runs the view is the
// application's drag source, so that the album's own targets know the photos.
void CHarboPhotoListView::BeginDrag() {
  if (items_ == nullptr) return;
  std::vector<Cp932String> paths;
  for (const CImageItem* item : items_->items())
    if (item->selected() != 0 && item->record() != nullptr) paths.push_back(item->record()->path());
  if (paths.empty()) return;
  TheApp().SetDragSource(this);
  DoDragFiles(this, paths, DROPEFFECT_COPY);
  TheApp().SetDragSource(nullptr);
}

void CHarboPhotoListView::KeyDown(UINT vk) {
  if (vk == VK_RETURN) OpenFocused();
  if (vk == VK_DELETE && MainFrame() != nullptr) MainFrame()->SendMessage(kMsgDeleteKey);
}

LRESULT CHarboPhotoListView::RowColours(NMLVCUSTOMDRAW& draw) const {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage == CDDS_ITEMPREPAINT && draw.iItem % 2 == 1) draw.clrTextBk = OddRowColour();
  return CDRF_DODEFAULT;
}

// Column 0's icon opens the photo; the size and date open the details; the name and memo
// open their dialogs (the frame refuses them for a photo placed in the print layout, and a
// rename while a phone transfer runs).
void CHarboPhotoListView::DoubleClicked(const NMITEMACTIVATE& click) {
  CImageItem* item = ItemAt(click.iItem);
  if (item == nullptr) return;
  if (click.iSubItem == kColumnSize || click.iSubItem == kColumnDate) {
    if (CMainFrame* frame = MainFrame()) frame->ShowDetails(item);
    return;
  }
  CMainFrame* frame = MainFrame();
  if (click.iSubItem == kColumnMemo && frame != nullptr) frame->EditMemo(item);
  if (click.iSubItem != kColumnName) return;
  RECT cell{};
  GetListCtrl().GetSubItemRect(click.iItem, kColumnName, &cell);
  if (click.ptAction.x < cell.left + kIconWidth)
    Open(*item);
  else if (frame != nullptr)
    frame->RenameItem(item);
}

// -- Context menu and commands ---------------------------------------------------------------

// Sub-menu 0 on a row or when the current photo is selected, else 1. From the keyboard the
// menu opens a little inside the focused row.
LRESULT CHarboPhotoListView::OnContextMenu(WPARAM /*w*/, LPARAM l) {
  CMainFrame* frame = MainFrame();
  if (items_ == nullptr || frame == nullptr) return 0;
  CListCtrlEx& list = GetListCtrl();
  POINT screen = PointOf(l);
  bool onRow = false;
  if (screen.x == -1 && screen.y == -1) {
    RECT row{};
    screen = POINT{kMenuInset, kMenuInset};
    if (list.GetItemRect(list.GetFocusedItem(), &row))
      screen = POINT{row.left + kMenuInset, row.top + kMenuInset};
    list.ClientToScreen(&screen);
  } else {
    POINT client = screen;
    list.ScreenToClient(&client);
    onRow = list.HitTest(client) >= 0;
  }
  const CPhotoManager* library = TheApp().library();
  const CImageItem* current = library != nullptr ? ItemOfRecord(library->currentPhoto()) : nullptr;
  const bool currentSelected = current != nullptr && current->selected() != 0;
  frame->ShowContextMenu(onRow || currentSelected ? 0 : 1, screen);
  return 0;
}

void CHarboPhotoListView::OnOpenItem() {
  OpenFocused();
}

CImageItem* CHarboPhotoListView::ItemAt(int row) const {
  return ItemOf(GetListCtrl().GetItemData(row));
}

void CHarboPhotoListView::UpdateStatus() const {
  if (CMainFrame* frame = MainFrame()) frame->UpdateStatusText();
}
