#include "ui/CCtrlDropList.h"

#include "ui/Skin.h"

const MessageMap<CCtrlDropList>& CCtrlDropList::GetMessageMap() {
  static const MessageMap<CCtrlDropList> map{
      .messages = {{WM_SYSCOLORCHANGE, &CCtrlDropList::OnSysColorChange}},
      .commands = {},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CCtrlDropList, CComboBox)

bool CCtrlDropList::Create(const RECT& rect, HWND parent, UINT id) {
  if (!CComboBox::Create(WS_CHILD | WS_VISIBLE, rect, parent, id)) return false;
  ApplySkin();
  return true;
}

int CCtrlDropList::AddString(const Cp932String& text, uintptr_t value) {
  const int index = CComboBox::AddString(text);
  if (index != CB_ERR) SetItemData(index, value);
  return index;
}

LRESULT CCtrlDropList::OnSysColorChange(WPARAM /*w*/, LPARAM /*l*/) {
  ApplySkin();
  return 0;
}

void CCtrlDropList::ApplySkin() {
  SetSkin(skin::DropListSkinOf(skin::Draw()));
}
