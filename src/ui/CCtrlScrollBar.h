// The toolkit's scroll bar, vertical unless made horizontal, drawn by the window that shows it
// along its right edge (it is not a window of its own): two arrow buttons, the page areas and the
// thumb, painted with the drawing resources, with the thumb dragged by the mouse and a part under
// the mouse shown lit. The window turns its mouse input into the calls below and scrolls to pos().
#pragma once

#include "platform/win/WinTypes.h"

class CDC;

class CCtrlScrollBar {
 public:
  // Parts of the bar: the arrows, the page areas above and below the thumb, the thumb.
  static constexpr int kLineUp = 0;
  static constexpr int kLineDown = 1;
  static constexpr int kPageUp = 2;
  static constexpr int kPageDown = 3;
  static constexpr int kThumb = 5;
  static constexpr int kNone = 8;

  static constexpr int kMinThumb = 12;

  // A horizontal bar runs left to right: its "up" parts are the left ones.
  void SetHorizontal(bool horizontal) { horizontal_ = horizontal; }
  bool horizontal() const { return horizontal_; }
  // The bar's rectangle in the window's client area.
  void SetRect(const RECT& rect) { rect_ = Along(rect); }
  RECT rect() const { return Along(rect_); }
  // The scrolled content is range pixels high and page pixels show at once; an arrow
  // scrolls by line. The position is clamped into the new range.
  void SetInfo(int range, int page, int line);
  int range() const { return range_; }
  int page() const { return page_; }
  int line() const { return line_; }
  // The highest position: the content's end at the window's bottom.
  int maxPos() const;
  int pos() const { return pos_; }
  // Clamps and sets the position; whether it changed.
  bool SetPos(int pos);

  // The part under the point, kNone outside the bar.
  int HitTest(POINT point) const;
  // One arrow or page step for the part; whether the position changed.
  bool Step(int part);
  // While the thumb is held, the position follows the mouse.
  void BeginThumbDrag(POINT point);
  bool TrackThumb(POINT point);
  void EndThumbDrag() { dragging_ = false; }
  bool draggingThumb() const { return dragging_; }
  // The lit part (under the mouse) and the pressed one; kNone for neither.
  void SetHot(int part) { hot_ = part; }
  void SetPressed(int part) { pressed_ = part; }
  int hot() const { return hot_; }

  RECT PartRect(int part) const;
  void Draw(CDC& dc) const;

 private:
  // The bar works as a vertical one: a horizontal bar's rectangles and points are turned
  // (x and y exchanged) on the way in and out.
  RECT Along(const RECT& r) const {
    return horizontal_ ? RECT{r.top, r.left, r.bottom, r.right} : r;
  }
  POINT Along(POINT p) const { return horizontal_ ? POINT{p.y, p.x} : p; }
  RECT PartAlong(int part) const;
  int ArrowHeight() const;
  // The thumb's top and height inside the track.
  int ThumbLength() const;
  int ThumbTop() const;
  RECT Track() const;
  void DrawArrow(CDC& dc, int part) const;

  RECT rect_{};
  int range_ = 0;
  int page_ = 0;
  int line_ = 1;
  int pos_ = 0;
  int hot_ = kNone;
  int pressed_ = kNone;
  bool dragging_ = false;
  bool horizontal_ = false;
  int grabOffset_ = 0;
};
