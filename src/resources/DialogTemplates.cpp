#include "resources/DialogTemplates.h"

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
  };
  return templates;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
  for (const auto& t : Templates())
    if (t.id == id) return &t;
  return nullptr;
}

}  // namespace res
