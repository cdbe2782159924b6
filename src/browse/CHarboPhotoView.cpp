#include "browse/CHarboPhotoView.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "images/CImageItems.h"
#include "library/PhotoKind.h"
#include "platform/gdi/CDC.h"
#include "platform/shell/DragDrop.h"
#include "platform/shell/Shell.h"
#include "platform/win/Menu.h"
#include "platform/win/SystemMetrics.h"
#include "slideshow/CDlgImagePreview.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

namespace {

constexpr int kLineStep = 20;
constexpr UINT kMsgDeleteKey = WM_USER + 0x159;

POINT PointOf(LPARAM l) {
  return POINT{static_cast<int16_t>(LOWORD(l)), static_cast<int16_t>(HIWORD(l))};
}

bool Held(int vk) {
  return GetKeyState(vk) < 0;
}

DecodeBudget BudgetOf(int milliseconds) {
  DecodeBudget budget;
  budget.until = DecodeBudget::Clock::now() + std::chrono::milliseconds(milliseconds);
  return budget;
}

// Type-ahead compares the first byte of a name without regard to ASCII case.
unsigned char Folded(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool TypesAhead(unsigned char c) {
  return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xDD);
}

}  // namespace

const MessageMap<CHarboPhotoView>& CHarboPhotoView::GetMessageMap() {
  static const MessageMap<CHarboPhotoView> map{
      .messages =
          {
              {WM_RBUTTONDOWN, &CHarboPhotoView::OnRButtonDown},
              {WM_RBUTTONUP, &CHarboPhotoView::OnRButtonUp},
              {WM_LBUTTONDBLCLK, &CHarboPhotoView::OnDoubleClick},
              {WM_CONTEXTMENU, &CHarboPhotoView::OnContextMenu},
              {WM_MOUSEWHEEL, &CHarboPhotoView::OnWheel},
              {WM_KEYDOWN, &CHarboPhotoView::OnKeyDown},
              {WM_CHAR, &CHarboPhotoView::OnChar},
              {kMsgStartDrag, &CHarboPhotoView::OnStartDrag},
          },
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CHarboPhotoView, CWnd)

bool CHarboPhotoView::Create(HWND parent, UINT id) {
  return CWnd::Create({}, WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, parent, id);
}

int CHarboPhotoView::OnCreate() {
  SetMouseTracking(true);
  SetOpaque(true);
  return 0;
}

void CHarboPhotoView::SetItems(CImageItems* items) {
  if (items_ != nullptr && items_->window() == this) items_->SetWindow(nullptr);
  items_ = items;
  ResetPress();
  scrollBar_.SetPos(0);
  if (items_ != nullptr) {
    items_->SetWindow(this);
    thumbnailSize_ = items_->imageSize();
    const CPhotoManager* library = TheApp().library();
    const int current = library != nullptr ? items_->IndexOfRecord(library->currentPhoto()) : -1;
    items_->SetFocusIndex(current >= 0 ? current : 0);
  }
  Relayout();
  if (items_ != nullptr) EnsureVisible(items_->FocusedItem());
  revealFocus_ = true;
}

RECT CHarboPhotoView::ContentRect() const {
  RECT client = GetClientRect();
  client.right = std::max(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
  return client;
}

void CHarboPhotoView::UpdateScrollInfo() {
  const RECT client = GetClientRect();
  scrollBar_.SetRect(RECT{ContentRect().right, 0, client.right, client.bottom});
  const int range = items_ != nullptr ? items_->totalHeight() : 0;
  scrollBar_.SetInfo(range, client.bottom - client.top, kLineStep);
}

void CHarboPhotoView::Relayout() {
  if (items_ != nullptr && IsWindow(this)) items_->Layout(GetClientRect().right);
  UpdateScrollInfo();
  Invalidate();
}

void CHarboPhotoView::SetThumbnailSize(int pixels) {
  thumbnailSize_ = pixels;
  if (items_ != nullptr) items_->SetImageSize(pixels);
  Relayout();
}

void CHarboPhotoView::ToggleStyleBit(uint16_t bit) {
  if (items_ == nullptr) return;
  items_->SetStyleBits(static_cast<uint16_t>(items_->styleBits() ^ bit));
  Relayout();
}

// The set keeps its focused item through the sort.
void CHarboPhotoView::Sort(int32_t sortValue) {
  if (items_ == nullptr) return;
  items_->Sort(sortValue);
  Relayout();
}

void CHarboPhotoView::SelectAll() {
  if (items_ == nullptr) return;
  items_->SetAllSelected(true);
  Invalidate();
}

CImageItem* CHarboPhotoView::FindItem(const CPhotoItem* record) const {
  return items_ != nullptr ? items_->ItemOf(record) : nullptr;
}

// Until a set has been seen, a new size shows it from the top with its focus in view: a set
// is often handed over while the panes are still being laid out.
void CHarboPhotoView::OnSize(UINT /*type*/, int cx, int /*cy*/) {
  if (items_ != nullptr) items_->Layout(cx);
  UpdateScrollInfo();
  if (revealFocus_ && items_ != nullptr) {
    scrollBar_.SetPos(0);
    EnsureVisible(items_->FocusedItem());
  }
  Invalidate();
}

void CHarboPhotoView::ScrollTo(int pos) {
  const int old = scrollBar_.pos();
  if (scrollBar_.SetPos(pos)) ScrolledFrom(old);
}

void CHarboPhotoView::StepScrollBar(int part) {
  const int old = scrollBar_.pos();
  if (scrollBar_.Step(part)) ScrolledFrom(old);
}

// What still shows moves with the scroll; only the uncovered band is drawn again.
void CHarboPhotoView::ScrolledFrom(int old) {
  const RECT content = ContentRect();
  const int dy = old - scrollBar_.pos();
  if (std::abs(dy) < content.bottom - content.top)
    ScrollWindow(0, dy, content);
  else
    InvalidateRect(content);
  InvalidateRect(scrollBar_.rect());
}

// Above the band the item's top goes 10 pixels below the top edge; below it, its bottom
// 10 pixels above the bottom edge, unless the view is lower than one item and the item
// already shows in part.
void CHarboPhotoView::EnsureVisible(const CImageItem* item) {
  if (item == nullptr || items_ == nullptr) return;
  const int height = GetClientRect().bottom;
  const int itemHeight = items_->style().ItemHeight();
  const int top = item->y(), bottom = item->y() + itemHeight;
  const int pos = scrollBar_.pos();
  if (top < pos) {
    ScrollTo(std::max(0, top - kScrollMargin));
  } else if (bottom > pos + height) {
    if (height < itemHeight && top < pos + height) return;
    ScrollTo(std::max(0, bottom - height + kScrollMargin));
  }
}

// Drawing: the items of the band and the scroll bar, with a short budget of decodes. What
// the budget left undecoded is painted in the next round; a complete screen starts the
// reading ahead.
void CHarboPhotoView::OnPaint() {
  CPaintDC dc(this);
  revealFocus_ = false;
  const RECT content = ContentRect();
  const RECT dirty = dc.PaintBoundsWithin(content);
  const RECT band{content.left, dirty.top, content.right, dirty.bottom};
  if (band.bottom > band.top) dc.FillSolidRect(band, skin::Draw().GetColor(skin::kCtrlBack));
  pending_ = 0;
  if (items_ != nullptr && band.bottom > band.top) {
    CImageStyle3& style = items_->style();
    style.SetDecodeBudget(BudgetOf(kPaintDecodeMilliseconds));
    dc.SelectClipRect(&band);
    items_->Draw(dc, content, scrollBar_.pos(), &band);
    dc.SelectClipRect(nullptr);
    pending_ = style.pendingDecodes();
    style.SetDecodeBudget(DecodeBudget{});
  }
  scrollBar_.Draw(dc);
  if (pending_ > 0)
    SetTimer(kDecodeTimer, 1);
  else if (items_ != nullptr)
    SetTimer(kReadAheadTimer, 1);
  if (CMainFrame* frame = MainFrame()) frame->UpdateStatusText();
}

// Decodes, within a short budget, the thumbnails of the page below the screen; true while
// some remain.
bool CHarboPhotoView::ReadAhead() {
  if (items_ == nullptr) return false;
  const int height = GetClientRect().bottom;
  const int from = scrollBar_.pos() + height, to = from + height;
  const int cellHeight = items_->style().CellHeight();
  CImageStyle3& style = items_->style();
  DecodeBudget budget = BudgetOf(kReadAheadMilliseconds);
  for (CImageItem* item : items_->items()) {
    if (item->y() >= to) break;
    if (item->y() + cellHeight <= from || item->record() == nullptr) continue;
    if (style.IsReady(*item->record())) continue;
    if (!budget.Allows()) return true;
    style.Prepare(*item->record());
  }
  return false;
}

void CHarboPhotoView::OnTimer(uintptr_t id) {
  switch (id) {
    case kDecodeTimer:
      KillTimer(id);
      InvalidateRect(ContentRect());
      break;
    case kReadAheadTimer:
      if (!ReadAhead()) KillTimer(id);
      break;
    case kRepeatTimer:
      // The first delay is longer; then the part repeats while the mouse stays on it.
      if (!repeating_) {
        repeating_ = true;
        SetTimer(kRepeatTimer, kRepeatDelay);
      }
      if (scrollPart_ != CCtrlScrollBar::kNone && scrollBar_.hot() == scrollPart_)
        StepScrollBar(scrollPart_);
      break;
    case kHoverTimer:
      if (win::WindowFromCursor() != this && scrollPart_ == CCtrlScrollBar::kNone) {
        KillTimer(id);
        scrollBar_.SetHot(CCtrlScrollBar::kNone);
        InvalidateRect(scrollBar_.rect());
      }
      break;
    default:
      break;
  }
}

void CHarboPhotoView::ClearSelection() {
  items_->SetAllSelected(false);
}

void CHarboPhotoView::ResetPress() {
  dragging_ = pressed_ = wasSelected_ = controlAtPress_ = shiftAtPress_ = false;
  pressedIndex_ = -1;
  pressedItem_ = nullptr;
  pressPoint_ = POINT{};
}

// A press on an arrow or a page area scrolls once and repeats while held; a press on the
// thumb drags it.
bool CHarboPhotoView::PressScrollBar(POINT point) {
  const int part = scrollBar_.HitTest(point);
  if (part == CCtrlScrollBar::kNone) return false;
  scrollPart_ = part;
  scrollBar_.SetPressed(part);
  scrollBar_.SetHot(part);
  if (part == CCtrlScrollBar::kThumb) {
    scrollBar_.BeginThumbDrag(point);
  } else {
    StepScrollBar(part);
    repeating_ = false;
    SetTimer(kRepeatTimer, kRepeatFirstDelay);
  }
  InvalidateRect(scrollBar_.rect());
  return true;
}

void CHarboPhotoView::ReleaseScrollBar() {
  KillTimer(kRepeatTimer);
  repeating_ = false;
  scrollBar_.EndThumbDrag();
  scrollBar_.SetPressed(CCtrlScrollBar::kNone);
  scrollPart_ = CCtrlScrollBar::kNone;
  InvalidateRect(scrollBar_.rect());
}

// A press on an item focuses it. Without Ctrl and Shift a press on space or on an item
// that was not selected clears the selection; an unselected item is then selected, or with
// Ctrl alone inverted.
void CHarboPhotoView::Press(POINT point) {
  SetFocus();
  if (items_ == nullptr) return;
  const bool control = Held(VK_CONTROL), shift = Held(VK_SHIFT);
  const POINT at = ToSet(point);
  CImageItem* hit = items_->HitTest(at.x, at.y);
  bool wasSelected = false;
  if (hit != nullptr) {
    wasSelected = hit->selected() != 0;
    items_->SetFocusItem(hit);
  }
  if ((hit == nullptr || !wasSelected) && !control && !shift) ClearSelection();
  if (hit != nullptr && !wasSelected) hit->SetSelected(control && !shift ? hit->selected() ^ 1 : 1);
  pressedItem_ = hit;
  pressedIndex_ = hit != nullptr ? items_->IndexOf(hit) : -1;
  pressPoint_ = point;
  controlAtPress_ = control;
  shiftAtPress_ = shift;
  wasSelected_ = wasSelected;
  pressed_ = true;
  Invalidate();
}

// Releasing on an item that was already selected: a plain click leaves it the only one
// selected, Ctrl alone unselects it.
void CHarboPhotoView::Release(POINT /*point*/) {
  if (items_ != nullptr && pressed_ && !dragging_ && pressedItem_ != nullptr && wasSelected_ &&
      items_->IndexOf(pressedItem_) >= 0) {
    if (!controlAtPress_ && !shiftAtPress_) ClearSelection();
    const bool invert = controlAtPress_ && !shiftAtPress_;
    pressedItem_->SetSelected(invert ? pressedItem_->selected() ^ 1 : 1);
    Invalidate();
  }
  ResetPress();
}

void CHarboPhotoView::OnLButtonDown(POINT point) {
  if (PressScrollBar(point)) return;
  Press(point);
}

void CHarboPhotoView::OnLButtonUp(POINT point) {
  if (scrollPart_ != CCtrlScrollBar::kNone) {
    ReleaseScrollBar();
    return;
  }
  Release(point);
}

LRESULT CHarboPhotoView::OnRButtonDown(WPARAM /*w*/, LPARAM l) {
  if (scrollBar_.HitTest(PointOf(l)) == CCtrlScrollBar::kNone) Press(PointOf(l));
  return 0;
}

LRESULT CHarboPhotoView::OnRButtonUp(WPARAM /*w*/, LPARAM l) {
  if (pressed_) Release(PointOf(l));
  return 0;
}

void CHarboPhotoView::OnMouseMove(POINT point) {
  if (scrollBar_.draggingThumb()) {
    const int old = scrollBar_.pos();
    if (scrollBar_.TrackThumb(point)) ScrolledFrom(old);
    return;
  }
  const int hot = scrollBar_.HitTest(point);
  if (hot != scrollBar_.hot()) {
    scrollBar_.SetHot(hot);
    if (hot != CCtrlScrollBar::kNone) SetTimer(kHoverTimer, kHoverDelay);
    InvalidateRect(scrollBar_.rect());
  }
  if (!pressed_ || dragging_ || pressedItem_ == nullptr) return;
  const int moved = std::abs(point.x - pressPoint_.x) + std::abs(point.y - pressPoint_.y);
  if (moved <= kDragThreshold) return;
  dragging_ = true;
  PostMessage(kMsgStartDrag);
}

// The selected files go out as a file list, copy only. While the drag runs the view is the
// application's drag source, so that the album's own targets know the photos.
LRESULT CHarboPhotoView::OnStartDrag(WPARAM /*w*/, LPARAM /*l*/) {
  if (items_ == nullptr) return 0;
  std::vector<Cp932String> paths;
  for (const CImageItem* item : items_->items())
    if (item->selected() != 0 && item->record() != nullptr) paths.push_back(item->record()->path());
  if (!paths.empty()) {
    TheApp().SetDragSource(this);
    DoDragFiles(this, paths, DROPEFFECT_COPY);
    TheApp().SetDragSource(nullptr);
  }
  ResetPress();
  return 0;
}

LRESULT CHarboPhotoView::OnDoubleClick(WPARAM /*w*/, LPARAM l) {
  if (items_ == nullptr) return 0;
  const POINT at = ToSet(PointOf(l));
  CImageItem* item = items_->HitTest(at.x, at.y);
  if (item != nullptr) OpenItem(item, items_->HitPart(*item, at.x, at.y));
  return 0;
}

// The picture opens the photo (a movie in its program); the date its details; the other
// captions open the dialogs of their fields once those exist. A name cannot change while a
// phone transfer runs.
void CHarboPhotoView::OpenItem(CImageItem* item, int part) {
  if ((part & CImageStyle::kPartPicture) != 0) {
    OpenPicture(item);
    return;
  }
  CMainFrame* frame = MainFrame();
  if ((part & CImageStyle::kPartDate) != 0 && frame != nullptr) {
    frame->ShowDetails(item);
    return;
  }
  if ((part & CImageStyle::kPartName) != 0 && frame != nullptr) frame->RenameItem(item);
  if ((part & CImageStyle::kPartMemo) != 0 && frame != nullptr) frame->EditMemo(item);
}

void CHarboPhotoView::OpenPicture(CImageItem* item) {
  const CPhotoItem* record = item != nullptr ? item->record() : nullptr;
  if (record == nullptr || record->path().empty()) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  if ((record->flags() & PhotoKind::kMovie) != 0) {
    ShellExecuteA(this, "open", record->path().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return;
  }
  items_->SetFocusItem(item);
  Preview();
}

// The preview runs modally on the set; the view is busy meanwhile and shows the focus the
// preview stepped to when it comes back.
void CHarboPhotoView::Preview() {
  if (items_ == nullptr || busy_) return;
  busy_ = true;
  CDlgImagePreview preview(items_, this);
  preview.DoModal();
  busy_ = false;
  EnsureVisible(items_->FocusedItem());
  Invalidate();
}

void CHarboPhotoView::OpenFocused() {
  if (items_ != nullptr && items_->FocusedItem() != nullptr) OpenPicture(items_->FocusedItem());
}

// Sub-menu 0 on a photo or when the focused photo is selected, else 1. From the keyboard
// the menu opens at the centre of the photo under the mouse or of the focused one.
LRESULT CHarboPhotoView::OnContextMenu(WPARAM /*w*/, LPARAM l) {
  CMainFrame* frame = MainFrame();
  if (items_ == nullptr || frame == nullptr) return 0;
  POINT screen = PointOf(l);
  const bool fromKeyboard = screen.x == -1 && screen.y == -1;
  CImageItem* under = nullptr;
  if (fromKeyboard) {
    POINT cursor{};
    if (win::GetCursorPos(&cursor)) {
      ScreenToClient(&cursor);
      const POINT at = ToSet(cursor);
      under = items_->HitTest(at.x, at.y);
    }
  } else {
    POINT client = screen;
    ScreenToClient(&client);
    const POINT at = ToSet(client);
    under = items_->HitTest(at.x, at.y);
  }
  const CImageItem* focused = items_->FocusedItem();
  const int subMenu = under != nullptr || (focused != nullptr && focused->selected() != 0) ? 0 : 1;
  if (fromKeyboard) {
    const CImageItem* anchor = under != nullptr ? under : focused;
    POINT at{0, 0};
    if (anchor != nullptr)
      at = POINT{anchor->x() + items_->style().ItemWidth() / 2,
                 anchor->y() - scrollBar_.pos() + items_->style().ItemHeight() / 2};
    ClientToScreen(&at);
    screen = at;
  }
  frame->ShowContextMenu(subMenu, screen);
  return 0;
}

LRESULT CHarboPhotoView::OnWheel(WPARAM w, LPARAM /*l*/) {
  if (items_ == nullptr) return 0;
  const int delta = static_cast<int16_t>(HIWORD(w));
  ScrollTo(scrollBar_.pos() - delta);
  return 0;
}

int CHarboPhotoView::FocusAfterKey(UINT key) const {
  const int f = items_->focus(), n = items_->count();
  const int cols = std::max(1, items_->columns());
  const int rows = items_->RowsPerPage(GetClientRect().bottom);
  switch (key) {
    case VK_LEFT:
      return f - 1 < 0 ? f : f - 1;
    case VK_RIGHT:
      return f + 1 >= n ? f : f + 1;
    case VK_UP:
      return f - cols < 0 ? f : f - cols;
    case VK_DOWN:
      return f + cols >= n ? f : f + cols;
    case VK_PRIOR:
      return f - std::min(f / cols, rows) * cols;
    case VK_NEXT:
      return f + std::min((n - f - 1) / cols, rows) * cols;
    case VK_HOME:
      return 0;
    case VK_END:
      return n - 1;
    default:
      return -1;
  }
}

void CHarboPhotoView::MoveFocus(int index, bool control, bool shift) {
  if (items_ == nullptr || items_->count() == 0) return;
  index = std::clamp(index, 0, items_->count() - 1);
  items_->SetFocusIndex(index);
  if (!control && !shift) ClearSelection();
  if (!(control && !shift)) items_->At(index)->SetSelected(1);
  EnsureVisible(items_->At(index));
  Invalidate();
}

LRESULT CHarboPhotoView::OnKeyDown(WPARAM w, LPARAM /*l*/) {
  if (items_ == nullptr || items_->count() == 0) return 0;
  const auto key = static_cast<UINT>(w);
  const bool control = Held(VK_CONTROL), shift = Held(VK_SHIFT);
  const int moved = FocusAfterKey(key);
  if (moved >= 0) {
    MoveFocus(std::max(0, moved), control, shift);
    return 0;
  }
  if (key == VK_RETURN) {
    OpenFocused();
  } else if (key == VK_SPACE && control && !shift) {
    if (CImageItem* focused = items_->FocusedItem()) {
      focused->SetSelected(focused->selected() ^ 1);
      Invalidate();
    }
  } else if (key == VK_DELETE) {
    if (CMainFrame* frame = MainFrame()) ::SendMessage(frame, kMsgDeleteKey, 0, 0);
  }
  return 0;
}

LRESULT CHarboPhotoView::OnChar(WPARAM w, LPARAM /*l*/) {
  if (items_ == nullptr || Held(VK_CONTROL) || Held(VK_SHIFT)) return 0;
  const auto c = static_cast<unsigned char>(w);
  if (TypesAhead(c)) TypeAhead(c);
  return 0;
}

// The first item after the focused one, wrapping round, whose name starts with the key
// becomes the only selected item and the focus.
void CHarboPhotoView::TypeAhead(unsigned char key) {
  const int n = items_->count();
  for (int step = 1; step <= n; ++step) {
    const int index = (items_->focus() + step) % n;
    const Cp932String& name = items_->At(index)->title();
    if (name.empty() || Folded(static_cast<unsigned char>(name[0])) != Folded(key)) continue;
    MoveFocus(index, false, false);
    return;
  }
}
