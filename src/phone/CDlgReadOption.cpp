#include "phone/CDlgReadOption.h"

#include "platform/win/CenterWindow.h"
#include "platform/win/CheckBox.h"
#include "platform/win/RadioButton.h"
#include "resources/DialogTemplates.h"

namespace {

struct SourceChoice {
  UINT control;
  uint8_t area;
};

constexpr SourceChoice kSources[] = {
    {res::kControlReadBoth, CRegReadOption::kBoth},
    {res::kControlReadInternal, CRegReadOption::kInternal},
    {res::kControlReadExternal, CRegReadOption::kExternal},
};

}  // namespace

CDlgReadOption::CDlgReadOption(const CRegReadOption& option, bool lacksExternalMemory, HWND parent)
    : CCDialogExPh(res::kDialogReadOption, parent),
      option_(option),
      lacksExternalMemory_(lacksExternalMemory) {}

CRadioButton* CDlgReadOption::Radio(UINT id) const {
  return dynamic_cast<CRadioButton*>(Control(id));
}

CCheckBox* CDlgReadOption::Check(UINT id) const {
  return dynamic_cast<CCheckBox*>(Control(id));
}

BOOL CDlgReadOption::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  ShowSources();
  ShowTypes();
  if (CCheckBox* box = Check(res::kControlReadFileDisp))
    box->SetCheck(option_.fileDisp != 0 ? BST_CHECKED : BST_UNCHECKED);
  CenterWindow(this, GetParent());
  return 1;
}

// A phone without external memory can only be read from its internal data folder.
void CDlgReadOption::ShowSources() {
  const uint8_t area = lacksExternalMemory_ ? CRegReadOption::kInternal : option_.storageArea;
  for (const SourceChoice& choice : kSources) {
    CRadioButton* radio = Radio(choice.control);
    if (radio == nullptr) continue;
    radio->SetCheck(choice.area == area ? BST_CHECKED : BST_UNCHECKED);
    if (lacksExternalMemory_ && choice.area != CRegReadOption::kInternal)
      radio->EnableWindow(false);
  }
}

// The type group is kept, filled and hidden: the request always names all five types.
void CDlgReadOption::ShowTypes() {
  if (CWnd* group = Control(res::kControlReadTypeGroup)) group->ShowWindow(SW_HIDE);
  for (size_t i = 0; i < option_.types.size(); ++i) {
    CCheckBox* box = Check(res::kControlReadJpg + static_cast<UINT>(i));
    if (box == nullptr) continue;
    box->SetCheck(option_.types[i] != 0 ? BST_CHECKED : BST_UNCHECKED);
    box->ShowWindow(SW_HIDE);
  }
}

uint8_t CDlgReadOption::ChosenArea() const {
  for (const SourceChoice& choice : kSources) {
    const CRadioButton* radio = Radio(choice.control);
    if (radio != nullptr && radio->GetCheck() == BST_CHECKED) return choice.area;
  }
  return option_.storageArea;
}

void CDlgReadOption::OnOK() {
  option_.storageArea = ChosenArea();
  const CCheckBox* box = Check(res::kControlReadFileDisp);
  option_.fileDisp = box != nullptr && box->GetCheck() == BST_CHECKED ? 1 : 0;
  EndDialog(IDOK);
}
