#include "print/CCtrlPrintPreview.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "images/CLBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/DropTarget.h"
#include "platform/win/Menu.h"
#include "print/PrintRenderer.h"

namespace {

constexpr int kInset = 8;
constexpr COLORREF kBackground = 0x00A0A0A0;
constexpr COLORREF kShadow = 0x00606060;
constexpr COLORREF kPaper = 0x00FFFFFF;
constexpr COLORREF kCellLine = 0x00C0C0C0;
constexpr COLORREF kSelection = 0x00D77800;
constexpr COLORREF kHover = 0x0000A5FF;
constexpr COLORREF kSampleText = 0x00707070;

void Frame(CDC& dc, const RECT& r, COLORREF colour, int width = 1) {
  HPEN pen = CreatePen(PS_SOLID, width, colour);
  HPEN previous = dc.SelectObject(pen);
  dc.MoveTo(r.left, r.top);
  dc.LineTo(r.right - 1, r.top);
  dc.LineTo(r.right - 1, r.bottom - 1);
  dc.LineTo(r.left, r.bottom - 1);
  dc.LineTo(r.left, r.top);
  dc.SelectObject(previous);
  DeleteObject(pen);
}

// A picture made for a cell a pixel or two larger or smaller is drawn stretched instead of
// decoded again: the cells of one template differ by a pixel once their edges are rounded.
bool CloseEnough(const CLBitmap& picture, const printrender::PhotoPlacement& p) {
  const BitmapSize s = picture.bitmapSize();
  return picture.HasPixels() && std::abs(s.width - p.pixelsW) <= 2 &&
         std::abs(s.height - p.pixelsH) <= 2;
}

// A box of a cell (its offset and size from the cell's corner) on the page.
RECT BoxOf(const PrintCell& cell, POINT at, SIZE size) {
  return RECT{cell.rect.left + at.x, cell.rect.top + at.y, cell.rect.left + at.x + size.cx,
              cell.rect.top + at.y + size.cy};
}

// The sample text centred in the box, in a font that fits its height.
void Sample(CDC& dc, const RECT& box, const char* text) {
  if (box.bottom - box.top < 4 || box.right <= box.left) return;
  LOGFONTA record;
  record.lfHeight = -std::clamp<LONG>((box.bottom - box.top) * 3 / 4, 4, 14);
  HFONT font = CreateFontIndirectA(&record);
  HFONT previous = dc.SelectObject(font);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kSampleText);
  dc.DrawText(Cp932String(text), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  dc.SelectObject(previous);
  DeleteObject(font);
}

}  // namespace

const MessageMap<CCtrlPrintPreview>& CCtrlPrintPreview::GetMessageMap() {
  static const MessageMap<CCtrlPrintPreview> map{
      .messages = {{WM_KEYDOWN, &CCtrlPrintPreview::OnKeyDown},
                   {WM_DROPFILES, &CCtrlPrintPreview::OnDropFiles}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CCtrlPrintPreview, CWnd)

CCtrlPrintPreview::CCtrlPrintPreview() = default;
CCtrlPrintPreview::~CCtrlPrintPreview() = default;

bool CCtrlPrintPreview::Create(HWND parent, UINT id, const RECT& rect) {
  if (!CWnd::Create({}, WS_CHILD | WS_VISIBLE, rect, parent, id)) return false;
  SetMouseTracking(true);
  DragAcceptFiles(this, true);
  return true;
}

void CCtrlPrintPreview::Show(const CPrintFormat* style, const PrintPageTemplate* layout,
                             const CPrintPaperSizeInfo* metrics, const CPrintItems* items,
                             int page) {
  style_ = style;
  layout_ = layout;
  metrics_ = metrics;
  items_ = items;
  page_ = page;
  // Pictures of photos no longer placed are let go.
  std::set<const CPhotoItem*> placed;
  for (int i = 0; items_ != nullptr && i < items_->count(); ++i)
    placed.insert(items_->at(i)->record());
  std::erase_if(pictures_, [&](const auto& kept) { return !placed.contains(kept.first); });
  Invalidate();
}

void CCtrlPrintPreview::SetSelectedCell(int cell) {
  selected_ = cell;
  Invalidate();
}

// The sheet fills the window less a small border, keeping its proportions.
void CCtrlPrintPreview::Measure() {
  const RECT client = GetClientRect();
  const int32_t sheetW = metrics_ != nullptr ? metrics_->sheetWidth() : 0;
  const int32_t sheetH = metrics_ != nullptr ? metrics_->sheetHeight() : 0;
  if (sheetW <= 0 || sheetH <= 0) {
    scale_ = 0;
    return;
  }
  const double roomW = std::max<LONG>(1, client.right - 2 * kInset);
  const double roomH = std::max<LONG>(1, client.bottom - 2 * kInset);
  scale_ = std::min(roomW / sheetW, roomH / sheetH);
  origin_ = POINT{static_cast<LONG>((client.right - sheetW * scale_) / 2),
                  static_cast<LONG>((client.bottom - sheetH * scale_) / 2)};
}

RECT CCtrlPrintPreview::ToWindow(const RECT& page) const {
  const auto x = [this](LONG v) { return static_cast<LONG>(std::lround(origin_.x + v * scale_)); };
  const auto y = [this](LONG v) { return static_cast<LONG>(std::lround(origin_.y + v * scale_)); };
  return RECT{x(page.left), y(page.top), x(page.right), y(page.bottom)};
}

RECT CCtrlPrintPreview::ContentToWindow(const RECT& page) const {
  const POINT by = ContentOffset();
  return ToWindow(RECT{page.left + by.x, page.top + by.y, page.right + by.x, page.bottom + by.y});
}

RECT CCtrlPrintPreview::CellRect(int cell) const {
  if (layout_ == nullptr || cell < 0 || cell >= static_cast<int>(layout_->cells.size()))
    return RECT{};
  return ContentToWindow(layout_->cells[static_cast<size_t>(cell)].rect);
}

int CCtrlPrintPreview::CellAt(POINT point) const {
  if (layout_ == nullptr) return -1;
  for (size_t i = 0; i < layout_->cells.size(); ++i) {
    const RECT r = CellRect(static_cast<int>(i));
    if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
      return static_cast<int>(i);
  }
  return -1;
}

void CCtrlPrintPreview::OnPaint() {
  CPaintDC dc(this);
  Draw(dc);
}

void CCtrlPrintPreview::Draw(CDC& dc) {
  const RECT client = GetClientRect();
  dc.FillSolidRect(client, kBackground);
  Measure();
  if (scale_ <= 0 || style_ == nullptr || layout_ == nullptr) return;
  DrawSheet(dc);
  DrawMonths(dc);
  DrawCells(dc);
  const POINT moved = ContentOffset();
  if (moved.x != 0 || moved.y != 0) MaskOutsideSheet(dc);
}

// What the fine adjustment moved past the paper's edge is not on the paper: the ground
// around the sheet and its shadow are painted again over it.
void CCtrlPrintPreview::MaskOutsideSheet(CDC& dc) {
  const RECT client = GetClientRect();
  const RECT sheet = ToWindow(RECT{0, 0, metrics_->sheetWidth(), metrics_->sheetHeight()});
  dc.FillSolidRect(RECT{0, 0, client.right, sheet.top}, kBackground);
  dc.FillSolidRect(RECT{0, sheet.bottom, client.right, client.bottom}, kBackground);
  dc.FillSolidRect(RECT{0, sheet.top, sheet.left, sheet.bottom}, kBackground);
  dc.FillSolidRect(RECT{sheet.right, sheet.top, client.right, sheet.bottom}, kBackground);
  dc.FillSolidRect(RECT{sheet.right, sheet.top + 3, sheet.right + 3, sheet.bottom + 3}, kShadow);
  dc.FillSolidRect(RECT{sheet.left + 3, sheet.bottom, sheet.right + 3, sheet.bottom + 3}, kShadow);
}

// The calendar's months as framed boxes with their numbers.
void CCtrlPrintPreview::DrawMonths(CDC& dc) {
  for (const PrintMonth& month : layout_->months) {
    const RECT r = ContentToWindow(month.rect);
    Frame(dc, r, kCellLine);
    const std::string text = std::to_string(month.month) + cp932::Lit("月");
    Sample(dc, RECT{r.left, r.top, r.right, r.top + std::min<LONG>(18, (r.bottom - r.top) / 4)},
           text.c_str());
  }
}

// Where a cell shows a name, a date or a memo, a sample of it.
void CCtrlPrintPreview::DrawCaptions(CDC& dc, const PrintCell& cell) {
  if (cell.name.cx > 0 && cell.name.cy > 0)
    Sample(dc, ContentToWindow(BoxOf(cell, cell.nameAt, cell.name)), "Name");
  if (cell.date.cx > 0 && cell.date.cy > 0)
    Sample(dc, ContentToWindow(BoxOf(cell, cell.dateAt, cell.date)), "YYYY/MM/DD");
  if (cell.memo.cx > 0 && cell.memo.cy > 0)
    Frame(dc, ContentToWindow(BoxOf(cell, cell.memoAt, cell.memo)), kCellLine);
}

void CCtrlPrintPreview::DrawSheet(CDC& dc) {
  const RECT sheet = ToWindow(RECT{0, 0, metrics_->sheetWidth(), metrics_->sheetHeight()});
  dc.FillSolidRect(RECT{sheet.left + 3, sheet.top + 3, sheet.right + 3, sheet.bottom + 3}, kShadow);
  dc.FillSolidRect(sheet, kPaper);
  Frame(dc, ToWindow(metrics_->printable()), kCellLine);
}

CLBitmap& CCtrlPrintPreview::PictureOf(const CPrintItem* item) {
  std::unique_ptr<CLBitmap>& picture = pictures_[item->record()];
  if (picture == nullptr) picture = std::make_unique<CLBitmap>();
  return *picture;
}

// The cells, the photos of the page in their drawing order as on paper, then the frames of
// the selected cell and of the cell under a drag.
void CCtrlPrintPreview::DrawCells(CDC& dc) {
  for (size_t i = 0; i < layout_->cells.size(); ++i) {
    if (ShowsCellBorders()) Frame(dc, CellRect(static_cast<int>(i)), kCellLine);
    DrawCaptions(dc, layout_->cells[i]);
  }
  for (CPrintItem* item : items_ != nullptr ? items_->OnPage(page_) : std::vector<CPrintItem*>{}) {
    if (item->record() == nullptr || item->cell >= static_cast<int>(layout_->cells.size()))
      continue;
    const PrintCell& cell = layout_->cells[static_cast<size_t>(item->cell)];
    const CPrintParam& block = cell.area == 0 ? style_->paramMain : style_->paramSub;
    const RECT box{cell.rect.left + cell.photoAt.x, cell.rect.top + cell.photoAt.y,
                   cell.rect.left + cell.photoAt.x + cell.photo.cx,
                   cell.rect.top + cell.photoAt.y + cell.photo.cy};
    const RECT onWindow = ContentToWindow(box);
    CLBitmap& picture = PictureOf(item);
    const auto placement =
        printrender::PlacePhoto(onWindow, block.photoOption, *item->record(), picture, 254);
    if (placement && (CloseEnough(picture, *placement) ||
                      printrender::LoadPlaced(picture, *item->record(), *placement)))
      printrender::PaintPlaced(dc, onWindow, picture, *placement);
    dc.SelectClipRect(nullptr);
  }
  if (selected_ >= 0) Frame(dc, CellRect(selected_), kSelection, 2);
  if (dragging_ && hover_ >= 0 && hover_ != pressedCell_) Frame(dc, CellRect(hover_), kHover, 2);
}

void CCtrlPrintPreview::OnLButtonDown(POINT point) {
  SetFocus();
  pressedCell_ = CellAt(point);
  pressedAt_ = point;
  dragging_ = false;
  SetSelectedCell(pressedCell_);
}

void CCtrlPrintPreview::OnMouseMove(POINT point) {
  if (pressedCell_ < 0 || items_ == nullptr || items_->Find(page_, pressedCell_) == nullptr) return;
  if (!dragging_ &&
      std::abs(point.x - pressedAt_.x) + std::abs(point.y - pressedAt_.y) > kDragDistance)
    dragging_ = true;
  if (!dragging_) return;
  const int over = CellAt(point);
  if (over != hover_) {
    hover_ = over;
    Invalidate();
  }
}

void CCtrlPrintPreview::OnLButtonUp(POINT point) {
  const int target = CellAt(point);
  const bool swap = dragging_ && target >= 0 && target != pressedCell_;
  const int source = pressedCell_;
  dragging_ = false;
  pressedCell_ = hover_ = -1;
  if (swap) {
    selected_ = target;
    ::SendMessage(GetParent(), kMsgSwap, static_cast<WPARAM>(source), target);
  }
  Invalidate();
}

LRESULT CCtrlPrintPreview::OnKeyDown(WPARAM key, LPARAM /*l*/) {
  if (key == VK_ESCAPE) {
    SetSelectedCell(-1);
  } else if (key == VK_DELETE && selected_ >= 0 && items_ != nullptr &&
             items_->Find(page_, selected_) != nullptr) {
    ::SendMessage(GetParent(), kMsgDelete, static_cast<WPARAM>(selected_), page_);
  }
  return 0;
}

// Only the album's own drags are taken (the thumbnail or list view registers itself as the
// drag source while it drags); the parent inserts the dragged selection from the cell under
// the drop.
LRESULT CCtrlPrintPreview::OnDropFiles(WPARAM w, LPARAM /*l*/) {
  const auto* dropped = reinterpret_cast<const DroppedFiles*>(w);
  if (dropped == nullptr || !acceptDrop_ || !acceptDrop_()) return 0;
  ::SendMessage(GetParent(), kMsgDrop, static_cast<WPARAM>(CellAt(dropped->point)), 0);
  return 0;
}
