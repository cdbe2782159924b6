// The header of a report list: the row of column sections above the rows. A list draws its
// header in the toolkit's own look until a header object takes it over
// (CListCtrl::SetHeaderCtrl); from then on the object draws every section, and the part
// right of the last column, through a device context.
#pragma once

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CDC;
class CListCtrl;

// Column formats: the alignment of a column's texts and of its heading.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

// One section to draw: its column (-1 for the empty part right of the last column), its
// rectangle in the header, heading, format, and whether the mouse is over it or presses it.
struct HeaderSection {
  int column = -1;
  RECT rect{};
  Cp932String text;
  int format = LVCFMT_LEFT;
  bool hot = false;
  bool pressed = false;
};

class CHeaderCtrl {
 public:
  CHeaderCtrl() = default;
  virtual ~CHeaderCtrl();
  CHeaderCtrl(const CHeaderCtrl&) = delete;
  CHeaderCtrl& operator=(const CHeaderCtrl&) = delete;

  // Draws one section, or the empty part (column -1).
  virtual void DrawItem(CDC& dc, const HeaderSection& section) = 0;

  // The list whose header this draws, or null.
  CListCtrl* list() const { return list_; }
  // Repaints the header.
  void Invalidate();

 private:
  friend class CListCtrl;
  CListCtrl* list_ = nullptr;
};
