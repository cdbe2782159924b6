#include "ui/CCtrlScrollBar.h"

#include <algorithm>

#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

namespace {

constexpr int32_t kScrollBox = 131;  // the thumb

bool Inside(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

void CCtrlScrollBar::SetInfo(int range, int page, int line) {
  range_ = std::max(0, range);
  page_ = std::max(0, page);
  line_ = std::max(1, line);
  SetPos(pos_);
}

int CCtrlScrollBar::maxPos() const {
  return std::max(0, range_ - page_);
}

bool CCtrlScrollBar::SetPos(int pos) {
  const int clamped = std::clamp(pos, 0, maxPos());
  if (clamped == pos_) return false;
  pos_ = clamped;
  return true;
}

// Arrows are square unless the bar is too short for two squares.
int CCtrlScrollBar::ArrowHeight() const {
  const int width = rect_.right - rect_.left, height = rect_.bottom - rect_.top;
  return std::max(0, std::min(width, height / 2));
}

RECT CCtrlScrollBar::Track() const {
  const int arrow = ArrowHeight();
  return RECT{rect_.left, rect_.top + arrow, rect_.right, rect_.bottom - arrow};
}

int CCtrlScrollBar::ThumbLength() const {
  const int track = Track().bottom - Track().top;
  if (range_ <= 0 || page_ >= range_) return track;
  const int length = static_cast<int>(static_cast<int64_t>(track) * page_ / range_);
  return std::min(track, std::max(kMinThumb, length));
}

int CCtrlScrollBar::ThumbTop() const {
  const RECT track = Track();
  const int free = (track.bottom - track.top) - ThumbLength();
  if (maxPos() == 0 || free <= 0) return track.top;
  return track.top + static_cast<int>(static_cast<int64_t>(free) * pos_ / maxPos());
}

RECT CCtrlScrollBar::PartRect(int part) const {
  return Along(PartAlong(part));
}

RECT CCtrlScrollBar::PartAlong(int part) const {
  const int arrow = ArrowHeight();
  const RECT track = Track();
  const int thumbTop = ThumbTop(), thumbBottom = thumbTop + ThumbLength();
  switch (part) {
    case kLineUp:
      return RECT{rect_.left, rect_.top, rect_.right, rect_.top + arrow};
    case kLineDown:
      return RECT{rect_.left, rect_.bottom - arrow, rect_.right, rect_.bottom};
    case kPageUp:
      return RECT{rect_.left, track.top, rect_.right, thumbTop};
    case kPageDown:
      return RECT{rect_.left, thumbBottom, rect_.right, track.bottom};
    case kThumb:
      return RECT{rect_.left, thumbTop, rect_.right, thumbBottom};
    default:
      return RECT{};
  }
}

int CCtrlScrollBar::HitTest(POINT point) const {
  point = Along(point);
  if (!Inside(rect_, point)) return kNone;
  for (int part : {kLineUp, kLineDown, kThumb, kPageUp, kPageDown})
    if (Inside(PartAlong(part), point)) return part;
  return kNone;
}

bool CCtrlScrollBar::Step(int part) {
  switch (part) {
    case kLineUp:
      return SetPos(pos_ - line_);
    case kLineDown:
      return SetPos(pos_ + line_);
    case kPageUp:
      return SetPos(pos_ - std::max(1, page_));
    case kPageDown:
      return SetPos(pos_ + std::max(1, page_));
    default:
      return false;
  }
}

void CCtrlScrollBar::BeginThumbDrag(POINT point) {
  dragging_ = true;
  grabOffset_ = Along(point).y - ThumbTop();
}

bool CCtrlScrollBar::TrackThumb(POINT point) {
  if (!dragging_) return false;
  point = Along(point);
  const RECT track = Track();
  const int free = (track.bottom - track.top) - ThumbLength();
  if (free <= 0) return false;
  const int top = std::clamp(point.y - grabOffset_, static_cast<int>(track.top), track.top + free);
  return SetPos(static_cast<int>(static_cast<int64_t>(top - track.top) * maxPos() / free));
}

void CCtrlScrollBar::Draw(CDC& dc) const {
  if (rect_.right <= rect_.left || rect_.bottom <= rect_.top) return;
  CDrawObject& draw = skin::Draw();
  dc.FillSolidRect(rect(), draw.GetColor(skin::kCtrlBack2));
  if (maxPos() > 0) {
    const RECT thumb = PartAlong(kThumb);
    const bool lit = hot_ == kThumb || pressed_ == kThumb;
    dc.FillSolidRect(Along(RECT{thumb.left + 2, thumb.top + 1, thumb.right - 2, thumb.bottom - 1}),
                     draw.GetColor(lit ? skin::kMouseOver : kScrollBox));
  }
  DrawArrow(dc, kLineUp);
  DrawArrow(dc, kLineDown);
  dc.SelectObject(draw.GetPen(skin::kCtrlBorder));
  const POINT from = Along(POINT{rect_.left, rect_.top}),
              to = Along(POINT{rect_.left, rect_.bottom});
  dc.MoveTo(from.x, from.y);
  dc.LineTo(to.x, to.y);
}

// A button with a chevron pointing up or down, lit under the mouse and darker while held.
void CCtrlScrollBar::DrawArrow(CDC& dc, int part) const {
  CDrawObject& draw = skin::Draw();
  const RECT box = PartAlong(part);
  if (box.bottom <= box.top) return;
  const int32_t back = pressed_ == part ? skin::kSelect
                       : hot_ == part   ? skin::kMouseOver
                                        : skin::kCtrlBack;
  dc.FillSolidRect(Along(box), draw.GetColor(back));
  const bool enabled = maxPos() > 0;
  dc.SelectObject(draw.GetPen(enabled ? skin::kCtrlFrame : skin::kCtrlFontGray));
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  const int half = std::max(2, (box.right - box.left) / 4);
  const int dir = part == kLineUp ? -1 : 1;
  for (int thick = 0; thick < 2; ++thick) {
    const int tip = cy + dir * (half / 2) + thick * -dir;
    const POINT a = Along(POINT{cx - half, tip - dir * half}), b = Along(POINT{cx, tip}),
                c = Along(POINT{cx + half + 1, tip - dir * (half + 1)});
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.LineTo(c.x, c.y);
  }
}
