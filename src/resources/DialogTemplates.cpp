#include "resources/DialogTemplates.h"

#include "platform/win/Controls.h"
#include "platform/win/Edit.h"
#include "platform/win/IconCtrl.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/ProgressCtrl.h"
#include "platform/win/SliderCtrl.h"

namespace res {
namespace {

const std::vector<DialogTemplate>& Templates() {
  static const std::vector<DialogTemplate> templates = {
      {kDialogPhoneWait,
       "ケータイデータバックアップ",
       360,
       130,
       {
           {ControlKind::kText, kControlWaitText,
            "他の処理にてケータイと通信中の為、しばらくお待ち下さい。", RECT{16, 16, 344, 64}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{260, 84, 344, 112}},
       }},
      // The buttons stand as for two; a list with one button moves the first to the middle.
      {kDialogConfList,
       "確認",
       468,
       250,
       {
           {ControlKind::kIcon, kControlConfIcon, "", RECT{8, 8, 40, 40}},
           {ControlKind::kText, kControlConfText, "", RECT{48, 8, 460, 40}},
           {ControlKind::kList, kControlConfList, "", RECT{8, 48, 288, 212}},
           {ControlKind::kButton, IDOK, "OK", RECT{99, 220, 184, 242}},
           {ControlKind::kButton, IDCANCEL, "ｷｬﾝｾﾙ", RECT{284, 220, 369, 242}},
       }},
      {kDialogProgMsg,
       "お待ちください",
       300,
       70,
       {
           {ControlKind::kText, kControlProgText, "", RECT{12, 10, 288, 30}},
           {ControlKind::kProgress, kControlProgBar, "", RECT{12, 38, 288, 56}},
       }},
      {kDialogNameEdit,
       "",
       284,
       84,
       {
           {ControlKind::kText, kControlNamePrompt, "", RECT{8, 8, 276, 20}},
           {ControlKind::kEdit, kControlNameEdit, "", RECT{8, 28, 276, 48}},
           {ControlKind::kButton, IDOK, "OK", RECT{108, 56, 188, 76}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{196, 56, 276, 76}},
       }},
      {kDialogImageEditer,
       "",
       360,
       328,
       {
           {ControlKind::kText, kControlSaturationLabel, "彩度", RECT{8, 216, 69, 236}},
           {ControlKind::kSlider, kControlSaturation, "", RECT{77, 216, 287, 236}},
           {ControlKind::kText, kControlContrastLabel, "コントラスト", RECT{8, 244, 69, 264}},
           {ControlKind::kSlider, kControlContrast, "", RECT{77, 244, 287, 264}},
           {ControlKind::kText, kControlBrightnessLabel, "輝度", RECT{8, 272, 69, 292}},
           {ControlKind::kSlider, kControlBrightness, "", RECT{77, 272, 287, 292}},
           {ControlKind::kButton, kControlEditRotate, "回転", RECT{8, 300, 88, 320}},
           {ControlKind::kButton, kControlEditReset, "リセット", RECT{96, 300, 176, 320}},
           {ControlKind::kButton, IDOK, "OK", RECT{184, 300, 264, 320}},
           {ControlKind::kButton, IDCANCEL, "キャンセル", RECT{272, 300, 352, 320}},
       }},
      {kDialogImageProperties,
       "",
       508,
       208,
       {
           {ControlKind::kList, kControlDetailsGeneralList, "", RECT{8, 8, 328, 172}},
           {ControlKind::kList, kControlDetailsShootingList, "", RECT{8, 8, 328, 172}},
           {ControlKind::kButton, kControlDetailsGeneralButton, "全般", RECT{8, 180, 88, 200}},
           {ControlKind::kButton, kControlDetailsShootingButton, "撮影情報",
            RECT{96, 180, 176, 200}},
           {ControlKind::kButton, IDCANCEL, "閉じる", RECT{420, 180, 500, 200}},
       }},
  };
  return templates;
}

template <class Control>
std::unique_ptr<CWnd> Make(const ControlTemplate& t, HWND parent) {
  const Cp932String text = cp932::Lit(t.text);
  auto control = std::make_unique<Control>();
  if (!control->Create(text, WS_CHILD | WS_VISIBLE, t.rect, parent, t.id)) return nullptr;
  if constexpr (requires { control->SetText(text); }) control->SetText(text);
  return control;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
  for (const auto& t : Templates())
    if (t.id == id) return &t;
  return nullptr;
}

std::unique_ptr<CWnd> CreateControl(const ControlTemplate& control, HWND parent) {
  switch (control.kind) {
    case ControlKind::kButton:
      return Make<CButton>(control, parent);
    case ControlKind::kIcon:
      return Make<CIconCtrl>(control, parent);
    case ControlKind::kList:
      return Make<CListCtrl>(control, parent);
    case ControlKind::kProgress:
      return Make<CProgressCtrl>(control, parent);
    case ControlKind::kEdit:
      return Make<CEdit>(control, parent);
    case ControlKind::kSlider:
      return Make<CSliderCtrl>(control, parent);
    case ControlKind::kText:
      break;
  }
  return Make<CStatic>(control, parent);
}

}  // namespace res
