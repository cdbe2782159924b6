// The toolkit's list header: sections drawn with the drawing resources (control
// background, the section under the mouse or pressed, control text and font, rules in the
// frame colour) and a sort mark on one column, a triangle pointing up for ascending and
// down for descending.
#pragma once

#include "platform/win/HeaderCtrl.h"

class CCtrlHeaderCtrlEx : public CHeaderCtrl {
 public:
  // The width of the sort mark's triangle; its height is half of it.
  static constexpr int kMarkWidth = 9;

  void DrawItem(CDC& dc, const HeaderSection& section) override;

  // Puts the mark on the column (-1: on none) and repaints.
  void SetSortMark(int column, bool ascending);
  int sortColumn() const { return sortColumn_; }
  bool ascending() const { return ascending_; }

 private:
  void DrawSortMark(CDC& dc, const RECT& section);

  int sortColumn_ = -1;
  bool ascending_ = true;
};
