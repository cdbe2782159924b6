#include "ui/CCtrlHeaderCtrlEx.h"

#include "platform/gdi/CDC.h"
#include "ui/CDrawObject.h"
#include "ui/Skin.h"

namespace {

constexpr int kTextPadding = 4;

UINT AlignmentOf(int format) {
  if (format == LVCFMT_RIGHT) return DT_RIGHT;
  if (format == LVCFMT_CENTER) return DT_CENTER;
  return DT_LEFT;
}

}  // namespace

void CCtrlHeaderCtrlEx::DrawItem(CDC& dc, const HeaderSection& section) {
  CDrawObject& draw = skin::Draw();
  const RECT& r = section.rect;
  int32_t back = skin::kCtrlBack;
  if (section.pressed)
    back = skin::kSelect;
  else if (section.hot)
    back = skin::kMouseOver;
  dc.FillSolidRect(r, draw.GetColor(back));
  dc.SelectObject(draw.GetPen(skin::kCtrlFrame));
  dc.MoveTo(r.left, r.bottom - 1);
  dc.LineTo(r.right, r.bottom - 1);
  if (section.column < 0) return;
  dc.MoveTo(r.right - 1, r.top + 2);
  dc.LineTo(r.right - 1, r.bottom - 3);

  RECT text{r.left + kTextPadding, r.top, r.right - kTextPadding, r.bottom - 1};
  if (section.column == sortColumn_) {
    DrawSortMark(dc, r);
    // The mark keeps its place; the heading stops short of it.
    text.right -= kMarkWidth + kTextPadding;
  }
  dc.SelectObject(draw.GetFont(skin::kCtrlFont));
  dc.SetTextColor(draw.GetColor(skin::kCtrlFont));
  dc.SetBkMode(TRANSPARENT);
  dc.DrawText(
      section.text, text,
      AlignmentOf(section.format) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// A filled triangle at the right end of the section, drawn line by line: its point at the
// top for ascending, at the bottom for descending.
void CCtrlHeaderCtrlEx::DrawSortMark(CDC& dc, const RECT& section) {
  constexpr int kHeight = (kMarkWidth + 1) / 2;
  const int left = section.right - kTextPadding - kMarkWidth - 1;
  const int top = (section.top + section.bottom - kHeight) / 2;
  dc.SelectObject(skin::Draw().GetPen(skin::kCtrlFont));
  for (int i = 0; i < kHeight; ++i) {
    // Line i from the point: i pixels in from each side of the base.
    const int inset = ascending_ ? kHeight - 1 - i : i;
    const int y = top + i;
    dc.MoveTo(left + inset, y);
    dc.LineTo(left + kMarkWidth - inset, y);
  }
}

void CCtrlHeaderCtrlEx::SetSortMark(int column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  Invalidate();
}
