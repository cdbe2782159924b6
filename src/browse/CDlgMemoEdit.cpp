#include "browse/CDlgMemoEdit.h"

#include <cstdio>

#include "host/CHarboPhotoApp.h"
#include "library/CPhotoItem.h"
#include "platform/win/Edit.h"
#include "resources/DialogTemplates.h"

CDlgMemoEdit::CDlgMemoEdit(CPhotoItem* record, HWND parent)
    : CCDialogExPh(res::kDialogMemoEdit, parent), record_(record) {}

BOOL CDlgMemoEdit::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  edit_ = dynamic_cast<CEdit*>(Control(res::kControlMemoEdit));
  if (edit_ == nullptr || record_ == nullptr) {
    EndDialog(IDCANCEL);
    return 1;
  }
  edit_->SetLimitText(kMemoLimit);
  edit_->SetText(record_->memo());
  edit_->SetFocus();
  UseAlbumLook();
  return 1;
}

std::optional<Cp932String> CDlgMemoEdit::Check(const Cp932String& memo) {
  if (memo.size() <= kMemoLimit) return std::nullopt;
  char message[128];
  std::snprintf(message, sizeof message,
                "メモを変更できません。\n半角%d文字以下で入力してください。",
                static_cast<int>(kMemoLimit));
  return cp932::Lit(message);
}

void CDlgMemoEdit::OnOK() {
  const Cp932String memo = edit_->GetText();
  if (const std::optional<Cp932String> refusal = Check(memo)) {
    AlbumMessageBox(*refusal, MB_ICONEXCLAMATION, this);
    edit_->SetSel(0, -1);
    edit_->SetFocus();
    return;
  }
  record_->SetMemo(memo);
  EndDialog(IDOK);
}
