// The toolkit's list view: a pane holding one list control that fills it and holds the
// keyboard focus for it. The list's notifications come to the view as WM_NOTIFY, the
// context menu request as WM_CONTEXTMENU; a derived view handles them.
#pragma once

#include "platform/win/Wnd.h"
#include "ui/CListCtrlEx.h"

class CListViewEx : public CWnd {
 public:
  // The list control's id inside the view.
  static constexpr UINT kListId = 1;

  // A hidden child pane of the parent with its list.
  bool Create(HWND parent, UINT id);
  CListCtrlEx& GetListCtrl() { return list_; }
  const CListCtrlEx& GetListCtrl() const { return list_; }

 protected:
  void OnSize(UINT type, int cx, int cy) override;

 private:
  CListCtrlEx list_;
};
