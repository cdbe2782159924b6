#include "slideshow/CCtrlImagePreview.h"

#include <algorithm>

#include "host/CHarboPhotoApp.h"
#include "images/CImageItem.h"
#include "images/MemoLines.h"
#include "library/PhotoKind.h"
#include "platform/gdi/CDC.h"
#include "platform/win/Menu.h"
#include "platform/win/SystemMetrics.h"
#include "ui/CDrawObject.h"
#include "ui/DrawResourceTables.h"

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kMemoGap = 4;

bool IsPicture(const CPhotoItem& record) {
  return (record.flags() & (PhotoKind::kMovie | PhotoKind::kOther)) == 0;
}

bool QuarterTurned(const CPhotoItem& record) {
  return (record.adjustments().rotation % 180 + 180) % 180 == 90;
}

// The decode box: the zoom of the file's size, or the cell's box no larger than the file.
SIZE DecodeBox(const CPhotoItem& record, int boxWidth, int boxHeight, int zoom, bool zoomMode) {
  const BitmapSize file = record.FileSize();
  if (zoomMode) return SIZE{zoom * file.width / 100, zoom * file.height / 100};
  const bool turned = QuarterTurned(record);
  const int fileW = turned ? file.height : file.width, fileH = turned ? file.width : file.height;
  SIZE box{std::min(boxWidth, fileW), std::min(boxHeight, fileH)};
  // The box is meant for the picture before its rotation.
  if (turned) std::swap(box.cx, box.cy);
  return box;
}

Cp932String WithoutTrailingBlanks(const Cp932String& text) {
  const size_t end = text.find_last_not_of(" \t\r\n");
  return end == Cp932String::npos ? Cp932String() : text.substr(0, end + 1);
}

}  // namespace

HARBO_IMPLEMENT_MESSAGE_MAP(CCtrlImagePreview, CWnd)

const MessageMap<CCtrlImagePreview>& CCtrlImagePreview::GetMessageMap() {
  static const MessageMap<CCtrlImagePreview> map{
      .messages = {{WM_MOUSEWHEEL, &CCtrlImagePreview::OnWheel}},
      .commands = {},
      .updates = {},
  };
  return map;
}

bool CCtrlImagePreview::Create(HWND parent, UINT id) {
  if (!CWnd::Create({}, WS_CHILD, RECT{0, 0, kDefaultBox, kDefaultBox}, parent, id)) return false;
  SetOpaque(true);
  hBar_.SetHorizontal(true);
  return true;
}

void CCtrlImagePreview::SetItem(CImageItem* item) {
  item_ = item;
  newPicture_ = true;
  hBar_.SetInfo(0, 0, kLineStep);
  vBar_.SetInfo(0, 0, kLineStep);
  hShown_ = vShown_ = false;
}

void CCtrlImagePreview::SetBoxSize(int width, int height) {
  boxWidth_ = std::max(1, width);
  boxHeight_ = std::max(1, height);
}

void CCtrlImagePreview::SetZoom(int percent, bool zoomMode) {
  zoom_ = percent;
  zoomMode_ = zoomMode;
}

bool CCtrlImagePreview::IsReadyFor(const CPhotoItem& record, int boxWidth, int boxHeight, int zoom,
                                   bool zoomMode) {
  if (!record.HasPixels()) return false;
  const SIZE box = DecodeBox(record, boxWidth, boxHeight, zoom, zoomMode);
  return record.IsReadyFor(record.adjustments(), box.cx, box.cy);
}

// A photo without pixels reads its file's size first, which the box depends on.
bool CCtrlImagePreview::DecodeFor(CPhotoItem& record, int boxWidth, int boxHeight, int zoom,
                                  bool zoomMode) {
  if (record.path().empty()) return false;
  if (IsPicture(record) && !record.HasPixels() && record.ReadFileInfo(record.path()) != 1)
    return record.Load(record.path(), boxWidth, boxHeight, nullptr, false) == 1;
  const SIZE box = DecodeBox(record, boxWidth, boxHeight, zoom, zoomMode);
  AdjustmentRecord adjustments = record.adjustments();
  return record.Load(record.path(), box.cx, box.cy, &adjustments, false) == 1;
}

bool CCtrlImagePreview::Decode() {
  CPhotoItem* record = item_ != nullptr ? item_->record() : nullptr;
  const bool decoded =
      record != nullptr && DecodeFor(*record, boxWidth_, boxHeight_, zoom_, zoomMode_);
  UpdateScrollBars();
  return decoded;
}

// A bar shows in each direction the picture exceeds the cell; showing one narrows the
// cell for the other.
void CCtrlImagePreview::UpdateScrollBars() {
  const CPhotoItem* record = item_ != nullptr ? item_->record() : nullptr;
  const BitmapSize shown = record != nullptr ? record->displaySize() : BitmapSize{};
  const RECT client = GetClientRect();
  const int barW = GetSystemMetrics(SM_CXVSCROLL), barH = GetSystemMetrics(SM_CYHSCROLL);
  int width = client.right, height = client.bottom;
  hShown_ = shown.width > width;
  vShown_ = shown.height > (hShown_ ? height - barH : height);
  if (vShown_ && !hShown_) hShown_ = shown.width > width - barW;
  if (hShown_) height -= barH;
  if (vShown_) width -= barW;
  hBar_.SetRect(hShown_ ? RECT{0, height, width, height + barH} : RECT{});
  vBar_.SetRect(vShown_ ? RECT{width, 0, width + barW, height} : RECT{});
  hBar_.SetInfo(hShown_ ? shown.width - width + kPageStep : 0, kPageStep, kLineStep);
  vBar_.SetInfo(vShown_ ? shown.height - height + kPageStep : 0, kPageStep, kLineStep);
  if (!hShown_) hBar_.SetPos(0);
  if (!vShown_) vBar_.SetPos(0);
}

RECT CCtrlImagePreview::ViewRect() const {
  RECT view = GetClientRect();
  if (vShown_) view.right = vBar_.rect().left;
  if (hShown_) view.bottom = hBar_.rect().top;
  return view;
}

RECT CCtrlImagePreview::PictureRect() const {
  const CPhotoItem* record = item_ != nullptr ? item_->record() : nullptr;
  const BitmapSize shown = record != nullptr ? record->displaySize() : BitmapSize{};
  const RECT view = ViewRect();
  const int w = view.right - view.left, h = view.bottom - view.top;
  const int left = shown.width < w ? (w - shown.width) / 2 : -hBar_.pos();
  const int top = shown.height < h ? (h - shown.height) / 2 : -vBar_.pos();
  return RECT{left, top, left + shown.width, top + shown.height};
}

bool CCtrlImagePreview::Scroll(bool horizontal, int part) {
  CCtrlScrollBar& bar = horizontal ? hBar_ : vBar_;
  if (!bar.Step(part)) return false;
  Invalidate();
  return true;
}

void CCtrlImagePreview::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {
  UpdateScrollBars();
}

void CCtrlImagePreview::OnPaint() {
  CPaintDC dc(this);
  const RECT view = ViewRect();
  CPhotoItem* record = item_ != nullptr ? item_->record() : nullptr;
  if (!backgroundPainted_) {
    dc.FillSolidRect(GetClientRect(), kWhite);
    backgroundPainted_ = true;
  }
  if (record == nullptr) {
    PaintNone(dc, view);
    return;
  }
  // The record is shared with the thumbnails, whose draws set its display size for their
  // box: the load (served from the cache when the picture is ready) sets it for this cell.
  Decode();
  dc.SelectClipRect(&view);
  const RECT picture = PictureRect();
  PaintBackground(dc, view, picture);
  if (newPicture_ && effect_ != 0)
    record->PaintWithEffect(dc, picture, effect_);
  else
    record->Paint(dc, picture);
  newPicture_ = false;
  if (showMemo_) PaintMemo(dc, view, picture);
  dc.SelectClipRect(nullptr);
  if (hShown_) hBar_.Draw(dc);
  if (vShown_) vBar_.Draw(dc);
}

// Everything of the view outside the picture, in four bands.
void CCtrlImagePreview::PaintBackground(CDC& dc, const RECT& v, const RECT& p) {
  const int top = std::max(v.top, p.top), bottom = std::min(v.bottom, p.bottom);
  dc.FillSolidRect(RECT{v.left, v.top, v.right, std::max(v.top, p.top)}, kBlack);
  dc.FillSolidRect(RECT{v.left, std::min(v.bottom, p.bottom), v.right, v.bottom}, kBlack);
  dc.FillSolidRect(RECT{v.left, top, std::max(v.left, p.left), bottom}, kBlack);
  dc.FillSolidRect(RECT{std::min(v.right, p.right), top, v.right, bottom}, kBlack);
}

// Word-wrapped lines centred across the cell, below the picture where there is room, else
// as low as the cell lets them stand.
void CCtrlImagePreview::PaintMemo(CDC& dc, const RECT& view, const RECT& picture) {
  const Cp932String memo = WithoutTrailingBlanks(item_->memo());
  if (memo.empty()) return;
  if (CDrawObject* draw = TheApp().drawObject())
    dc.SelectObject(draw->GetFont(drawres::kCtrlFontIndex));
  const int width = std::max(1, static_cast<int>(view.right - view.left) - 8);
  const int lineHeight = std::max(1, static_cast<int>(dc.GetTextExtent("A").cy));
  std::vector<memolines::Line> lines;
  for (size_t at = 0; at < memo.size() && lines.size() < 64;) {
    lines.push_back(memolines::NextLine(memo, at, width, [&dc](std::string_view c) {
      return static_cast<int>(dc.GetTextExtent(c).cx);
    }));
    at = lines.back().next;
  }
  const int height = lineHeight * static_cast<int>(lines.size());
  int top = picture.bottom + kMemoGap;
  if (top + height > view.bottom)
    top = std::max(static_cast<int>(view.top), static_cast<int>(view.bottom) - height);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kMemoColour);
  for (const memolines::Line& line : lines) {
    const RECT row{view.left, top, view.right, top + lineHeight};
    dc.DrawText(memo.substr(line.begin, line.length), row, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    top += lineHeight;
  }
}

void CCtrlImagePreview::PaintNone(CDC& dc, const RECT& view) {
  dc.FillSolidRect(view, kBlack);
  if (CDrawObject* draw = TheApp().drawObject())
    dc.SelectObject(draw->GetFont(drawres::kCtrlFontIndex));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kNoneColour);
  dc.DrawText(cp932::Lit("ありません"), view, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CCtrlImagePreview::OnLButtonDown(POINT point) {
  for (CCtrlScrollBar* bar : {&hBar_, &vBar_}) {
    if ((bar == &hBar_ && !hShown_) || (bar == &vBar_ && !vShown_)) continue;
    const int part = bar->HitTest(point);
    if (part == CCtrlScrollBar::kNone) continue;
    if (part == CCtrlScrollBar::kThumb) {
      bar->BeginThumbDrag(point);
      held_ = bar;
    } else if (bar->Step(part)) {
      Invalidate();
    }
    return;
  }
}

void CCtrlImagePreview::OnMouseMove(POINT point) {
  if (held_ != nullptr && held_->TrackThumb(point)) Invalidate();
}

void CCtrlImagePreview::OnLButtonUp(POINT /*point*/) {
  if (held_ != nullptr) held_->EndThumbDrag();
  held_ = nullptr;
}

// The wheel scrolls the picture up and down, or across with Shift held.
LRESULT CCtrlImagePreview::OnWheel(WPARAM w, LPARAM /*l*/) {
  const int delta = static_cast<int16_t>(HIWORD(w));
  const bool across = GetKeyState(VK_SHIFT) < 0 || !vShown_;
  CCtrlScrollBar& bar = across ? hBar_ : vBar_;
  if (bar.SetPos(bar.pos() - delta / 120 * 3 * kLineStep)) Invalidate();
  return 0;
}
