#include "slideshow/CDlgImagePreviewSetting.h"

#include <string>

#include "host/CHarboPhotoApp.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Edit.h"
#include "platform/win/SpinButton.h"
#include "resources/DialogTemplates.h"

namespace {

// The spin speeds up while held: by 1, 2, 3, 4 and 5 after 0, 2, 4, 6 and 8 seconds.
const std::vector<UDACCEL> kSpinAccel{{0, 1}, {2, 2}, {4, 3}, {6, 4}, {8, 5}};
constexpr size_t kTickDigits = 3;

}  // namespace

CDlgImagePreviewSetting::CDlgImagePreviewSetting(const PreviewSettings& settings, HWND parent)
    : CCDialogExPh(res::kDialogImagePreviewSetting, parent), settings_(settings.Clamped()) {}

CEdit* CDlgImagePreviewSetting::tickEdit() const {
  return dynamic_cast<CEdit*>(Control(res::kControlSlideTick));
}
CCheckBox* CDlgImagePreviewSetting::Check(UINT id) const {
  return dynamic_cast<CCheckBox*>(Control(id));
}
CComboBox* CDlgImagePreviewSetting::Combo(UINT id) const {
  return dynamic_cast<CComboBox*>(Control(id));
}

void CDlgImagePreviewSetting::SetCheck(UINT id, bool on) {
  if (CCheckBox* box = Check(id)) box->SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
}
bool CDlgImagePreviewSetting::Checked(UINT id) const {
  const CCheckBox* box = Check(id);
  return box != nullptr && box->GetCheck() == BST_CHECKED;
}

BOOL CDlgImagePreviewSetting::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  CEdit* edit = tickEdit();
  if (edit == nullptr) {
    EndDialog(IDCANCEL);
    return 1;
  }
  edit->SetLimitText(kTickDigits);
  if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(Control(res::kControlSlideSpin))) {
    spin->SetBuddy(edit);
    spin->SetRange(kMinTenths, kMaxTenths);
    spin->SetAccel(kSpinAccel);
  }
  edit->SetText(std::to_string(settings_.slideTick / 100));
  SetCheck(res::kControlSlideLoop, settings_.loop);
  SetCheck(res::kControlSlideReverse, settings_.reverse);
  SetCheck(res::kControlViewSlide, settings_.viewSlide);
  SetCheck(res::kControlSizeAuto, settings_.sizeAuto);
  SetCheck(res::kControlShowMemo, settings_.showMemo);
  if (CComboBox* counts = Combo(res::kControlViewCount)) {
    for (int n : preview::kViewCounts) {
      const int index = counts->AddString(std::to_string(n));
      counts->SetItemData(index, static_cast<uintptr_t>(n));
      if (n == settings_.viewCount) counts->SetCurSel(index);
    }
  }
  if (CComboBox* effects = Combo(res::kControlDrawEffect)) {
    for (const preview::Transition& t : preview::kTransitions) {
      const int index = effects->AddString(cp932::Lit(t.text));
      effects->SetItemData(index, static_cast<uintptr_t>(t.code));
      if (t.code == settings_.effect) effects->SetCurSel(index);
    }
  }
  CenterWindow(this, GetParent());
  return 1;
}

int CDlgImagePreviewSetting::ParseTenths(const Cp932String& text) {
  const bool digits = !text.empty() && text.size() <= kTickDigits &&
                      text.find_first_not_of("0123456789") == Cp932String::npos;
  const int tenths = digits ? std::stoi(text) : 0;
  return tenths >= kMinTenths && tenths <= kMaxTenths ? tenths : -1;
}

void CDlgImagePreviewSetting::OnOK() {
  const int tenths = ParseTenths(tickEdit()->GetText());
  if (tenths < 0) {
    AlbumMessageBox(cp932::Lit("スライド間隔は半角数字で、1から600の範囲で入力してください。"),
                    MB_ICONEXCLAMATION, this);
    tickEdit()->SetFocus();
    return;
  }
  settings_.slideTick = tenths * 100;
  settings_.loop = Checked(res::kControlSlideLoop);
  settings_.reverse = Checked(res::kControlSlideReverse);
  settings_.viewSlide = Checked(res::kControlViewSlide);
  settings_.sizeAuto = Checked(res::kControlSizeAuto);
  settings_.showMemo = Checked(res::kControlShowMemo);
  if (const CComboBox* counts = Combo(res::kControlViewCount); counts && counts->GetCurSel() >= 0)
    settings_.viewCount = static_cast<int>(counts->GetItemData(counts->GetCurSel()));
  if (const CComboBox* effects = Combo(res::kControlDrawEffect);
      effects && effects->GetCurSel() >= 0)
    settings_.effect = static_cast<int>(effects->GetItemData(effects->GetCurSel()));
  settings_ = settings_.Clamped();
  EndDialog(IDOK);
}
