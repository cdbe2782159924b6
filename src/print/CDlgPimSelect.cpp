#include "print/CDlgPimSelect.h"

#include "platform/win/CheckBox.h"
#include "platform/win/Controls.h"
#include "resources/DialogTemplates.h"

CDlgPimSelect::CDlgPimSelect(int pimSwitch, HWND parent)
    : CCDialogExPh(res::kDialogPimSelect, parent), switch_(pimSwitch != 0 ? 1 : 0) {}

Cp932String CDlgPimSelect::Explanation() {
  return cp932::Lit(
      "PRINT Image Matchingとは、この機能を搭載したデジタルカメラと対応プリンタを\r\n"
      "組み合わせて使用することで、きれいな印刷を実現するための機能です。\r\n"
      "PRINT Image Matchingに対応していないプリンタではこの機能は使用できません。\r\n"
      "Harbo Suite の対応ケータイはこの機能を搭載しています。");
}

BOOL CDlgPimSelect::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  auto* check = dynamic_cast<CCheckBox*>(Control(res::kControlPimSwitch));
  auto* text = dynamic_cast<CStatic*>(Control(res::kControlPimExplanation));
  if (check == nullptr || text == nullptr) {
    EndDialog(IDCANCEL);
    return 1;
  }
  check->SetCheck(switch_ != 0 ? BST_CHECKED : BST_UNCHECKED);
  text->SetText(Explanation());
  UseAlbumLook();
  return 1;
}

void CDlgPimSelect::OnOK() {
  const auto* check = dynamic_cast<CCheckBox*>(Control(res::kControlPimSwitch));
  switch_ = check != nullptr && check->GetCheck() == BST_CHECKED ? 1 : 0;
  EndDialog(IDOK);
}
