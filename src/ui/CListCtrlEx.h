// The toolkit's list control: a report list whose rows are selected independently, the
// whole row at once, with grid lines, painted with the drawing resources (control
// background and text, the selection colour, the row under the mouse, the control font);
// a new colour scheme re-skins it. Its header is drawn by a header object of the toolkit
// the owner hands it (CCtrlHeaderCtrlEx).
#pragma once

#include "platform/win/ListCtrl.h"

class CListCtrlEx : public CListCtrl {
  HARBO_DECLARE_MESSAGE_MAP(CListCtrlEx)

 public:
  bool Create(const RECT& rect, HWND parent, UINT id);

 private:
  LRESULT OnSysColorChange(WPARAM w, LPARAM l);
  void ApplySkin();
};
