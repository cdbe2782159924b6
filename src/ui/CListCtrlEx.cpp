#include "ui/CListCtrlEx.h"

#include "ui/Skin.h"

const MessageMap<CListCtrlEx>& CListCtrlEx::GetMessageMap() {
  static const MessageMap<CListCtrlEx> map{
      .messages = {{WM_SYSCOLORCHANGE, &CListCtrlEx::OnSysColorChange}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CListCtrlEx, CListCtrl)

bool CListCtrlEx::Create(const RECT& rect, HWND parent, UINT id) {
  if (!CListCtrl::Create({}, WS_CHILD | WS_VISIBLE, rect, parent, id)) return false;
  SetExtendedStyle(LVS_EX_MULTISELECT | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  ApplySkin();
  return true;
}

LRESULT CListCtrlEx::OnSysColorChange(WPARAM /*w*/, LPARAM /*l*/) {
  ApplySkin();
  return 0;
}

// The header paints from the drawing resources each time; it only needs repainting.
void CListCtrlEx::ApplySkin() {
  SetSkin(skin::ListSkinOf(skin::Draw()));
  if (CHeaderCtrl* header = GetHeaderCtrl()) header->Invalidate();
}
