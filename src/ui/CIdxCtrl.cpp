#include "ui/CIdxCtrl.h"

#include <algorithm>

#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

namespace {

constexpr UINT kVkPageUp = 0x21;
constexpr UINT kVkPageDown = 0x22;
constexpr UINT kVkEnd = 0x23;
constexpr UINT kVkHome = 0x24;
constexpr UINT kVkUp = 0x26;
constexpr UINT kVkDown = 0x28;
constexpr UINT kVkReturn = 0x0D;

constexpr int kMargin = 4;  // before the icon, and between the icon and the text
constexpr int kScrollMarkWidth = 3;

POINT PointOf(LPARAM l) {
  return POINT{static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(l))),
               static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(l)))};
}

}  // namespace

const MessageMap<CIdxCtrl>& CIdxCtrl::GetMessageMap() {
  static const MessageMap<CIdxCtrl> map{
      .messages =
          {
              {WM_LBUTTONDBLCLK, &CIdxCtrl::OnDoubleClick},
              {WM_MOUSEWHEEL, &CIdxCtrl::OnWheel},
              {WM_KEYDOWN, &CIdxCtrl::OnKeyDown},
              {WM_RBUTTONUP, &CIdxCtrl::OnRButtonUp},
              {WM_SYSCOLORCHANGE, &CIdxCtrl::OnSysColorChange},
          },
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CIdxCtrl, CWnd)

bool CIdxCtrl::Create(HWND parent, UINT id, const RECT& rect) {
  if (!CWnd::Create({}, WS_CHILD | WS_VISIBLE, rect, parent, id)) return false;
  SetMouseTracking(true);
  return true;
}

int CIdxCtrl::AddItem(const Cp932String& text, LPARAM value, int level, IconCells icons) {
  items_.push_back(Item{text, value, std::max(0, level), 0, icons});
  Invalidate();
  return GetCount() - 1;
}

void CIdxCtrl::DeleteAllItems() {
  items_.clear();
  selected_ = -1;
  hover_ = -1;
  top_ = 0;
  Invalidate();
}

const CIdxCtrl::Item* CIdxCtrl::GetItem(int index) const {
  return index >= 0 && index < GetCount() ? &items_[static_cast<size_t>(index)] : nullptr;
}

Cp932String CIdxCtrl::GetItemText(int index) const {
  const Item* item = GetItem(index);
  return item != nullptr ? item->text : Cp932String();
}

bool CIdxCtrl::SetItemText(int index, const Cp932String& text) {
  if (GetItem(index) == nullptr) return false;
  items_[static_cast<size_t>(index)].text = text;
  Invalidate();
  return true;
}

LPARAM CIdxCtrl::GetItemData(int index) const {
  const Item* item = GetItem(index);
  return item != nullptr ? item->value : 0;
}

int CIdxCtrl::FindItem(LPARAM value) const {
  for (int i = 0; i < GetCount(); ++i)
    if (items_[static_cast<size_t>(i)].value == value) return i;
  return -1;
}

void CIdxCtrl::SetCurSel(int index) {
  if (GetItem(index) == nullptr) index = -1;
  for (Item& item : items_) item.state &= ~(kStateSelected | kStateFocused);
  selected_ = index;
  if (index >= 0) {
    items_[static_cast<size_t>(index)].state |= kStateSelected | kStateFocused;
    EnsureVisible(index);
  }
  Invalidate();
}

void CIdxCtrl::Choose(int index) {
  if (GetItem(index) == nullptr || index == selected_) return;
  SetCurSel(index);
  if (onSelChange_) onSelChange_(index);
}

int CIdxCtrl::VisibleRows() const {
  return std::max(1, (GetClientRect().bottom) / kItemHeight);
}

int CIdxCtrl::LastTop() const {
  return std::max(0, GetCount() - VisibleRows());
}

void CIdxCtrl::SetTopIndex(int index) {
  const int top = std::clamp(index, 0, LastTop());
  if (top == top_) return;
  top_ = top;
  Invalidate();
}

void CIdxCtrl::EnsureVisible(int index) {
  if (index < top_)
    SetTopIndex(index);
  else if (index >= top_ + VisibleRows())
    SetTopIndex(index - VisibleRows() + 1);
}

int CIdxCtrl::HitTest(POINT point) const {
  const RECT client = GetClientRect();
  if (point.x < client.left || point.x >= client.right || point.y < 0) return -1;
  const int index = top_ + point.y / kItemHeight;
  return index < GetCount() ? index : -1;
}

void CIdxCtrl::SetHover(int index) {
  if (hover_ == index) return;
  hover_ = index;
  Invalidate();
}

// A smaller list after a resize may leave rows below the last item: scroll them away.
void CIdxCtrl::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {
  SetTopIndex(top_);
}

void CIdxCtrl::OnLButtonDown(POINT point) {
  SetFocus();
  Choose(HitTest(point));
  Invalidate();
}

void CIdxCtrl::OnMouseMove(POINT point) {
  SetHover(HitTest(point));
}

void CIdxCtrl::OnMouseLeave() {
  SetHover(-1);
}

LRESULT CIdxCtrl::OnDoubleClick(WPARAM /*w*/, LPARAM l) {
  const int index = HitTest(PointOf(l));
  if (index < 0) return 0;
  Choose(index);
  if (onDoubleClick_) onDoubleClick_(index);
  return 0;
}

// Partial notches (a touch pad's) add up until they make a row.
LRESULT CIdxCtrl::OnWheel(WPARAM w, LPARAM /*l*/) {
  wheelRest_ += static_cast<int16_t>(HIWORD(w)) * kWheelRows;
  const int rows = wheelRest_ / kWheelDelta;
  wheelRest_ -= rows * kWheelDelta;
  SetTopIndex(top_ - rows);
  return 0;
}

// The arrows move the selection by a row, the page keys by what the list shows, Home and
// End to the ends; Enter acts as a double click on the selected item.
LRESULT CIdxCtrl::OnKeyDown(WPARAM key, LPARAM /*flags*/) {
  if (GetCount() == 0) return 0;
  const int from = selected_ < 0 ? 0 : selected_;
  const int page = std::max(1, VisibleRows() - 1);
  int to = from;
  switch (key) {
    case kVkUp:
      to = from - 1;
      break;
    case kVkDown:
      to = selected_ < 0 ? 0 : from + 1;
      break;
    case kVkPageUp:
      to = from - page;
      break;
    case kVkPageDown:
      to = from + page;
      break;
    case kVkHome:
      to = 0;
      break;
    case kVkEnd:
      to = GetCount() - 1;
      break;
    case kVkReturn:
      if (selected_ >= 0 && onDoubleClick_) onDoubleClick_(selected_);
      return 0;
    default:
      return 0;
  }
  Choose(std::clamp(to, 0, GetCount() - 1));
  return 0;
}

LRESULT CIdxCtrl::OnRButtonUp(WPARAM /*w*/, LPARAM l) {
  if (!onContextMenu_) return 0;
  POINT point = PointOf(l);
  const int index = HitTest(point);
  ClientToScreen(&point);
  onContextMenu_(index, point);
  return 0;
}

LRESULT CIdxCtrl::OnSysColorChange(WPARAM /*w*/, LPARAM /*l*/) {
  Invalidate();
  return 0;
}

void CIdxCtrl::OnPaint() {
  CPaintDC dc(this);
  Draw(dc);
}

void CIdxCtrl::Draw(CDC& dc) {
  CDrawObject& draw = skin::Draw();
  const RECT client = GetClientRect();
  dc.FillSolidRect(client, draw.GetColor(skin::kCtrlBack));
  const HFONT oldFont = dc.SelectObject(draw.GetFont(skin::kCtrlFont));
  dc.SetBkMode(TRANSPARENT);
  for (int i = top_; i < GetCount(); ++i) {
    const int y = (i - top_) * kItemHeight;
    if (y >= client.bottom) break;
    DrawItem(dc, i, RECT{client.left, y, client.right, y + kItemHeight});
  }
  dc.SelectObject(oldFont);
  DrawScrollMark(dc, client);
}

// The row's background tells selected from hovered; the icon cell follows the same look.
void CIdxCtrl::DrawItem(CDC& dc, int index, const RECT& row) {
  CDrawObject& draw = skin::Draw();
  const Item& item = items_[static_cast<size_t>(index)];
  const bool selected = (item.state & kStateSelected) != 0;
  const bool hovering = index == hover_ && IsWindowEnabled();
  if (selected || hovering)
    dc.FillSolidRect(row, draw.GetColor(selected ? skin::kSelect : skin::kMouseOver));
  int left = row.left + kMargin + item.level * kLevelIndent;
  const HICON icon = selected   ? item.icons.selected
                     : hovering ? item.icons.hover
                                : item.icons.normal;
  if (icon != nullptr) dc.DrawIcon(left, row.top + (kItemHeight - kIconSide) / 2, icon);
  if (icon != nullptr || item.icons.normal != nullptr) left += kIconSide + kMargin;
  dc.SetTextColor(draw.GetColor(IsWindowEnabled() ? skin::kCtrlFont : skin::kCtrlFontGray));
  dc.DrawText(item.text, RECT{left, row.top, row.right - kMargin, row.bottom},
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.state & kStateFocused) != 0 && HasFocus()) DrawFocus(dc, row);
}

void CIdxCtrl::DrawFocus(CDC& dc, const RECT& row) {
  const HPEN oldPen = dc.SelectObject(skin::Draw().GetPen(skin::kCtrlFrame));
  dc.MoveTo(row.left, row.top);
  dc.LineTo(row.right - 1, row.top);
  dc.LineTo(row.right - 1, row.bottom - 1);
  dc.LineTo(row.left, row.bottom - 1);
  dc.LineTo(row.left, row.top);
  dc.SelectObject(oldPen);
}

// While not every row fits, a thin mark at the right edge shows where the rows in view lie.
void CIdxCtrl::DrawScrollMark(CDC& dc, const RECT& client) {
  const int rows = VisibleRows();
  if (GetCount() <= rows || client.bottom <= 0) return;
  const int height = client.bottom;
  const int top = height * top_ / GetCount();
  const int bottom = std::max(top + 4, height * std::min(GetCount(), top_ + rows) / GetCount());
  dc.FillSolidRect(RECT{client.right - kScrollMarkWidth, top, client.right, bottom},
                   skin::Draw().GetColor(skin::kCtrlFrame));
}
