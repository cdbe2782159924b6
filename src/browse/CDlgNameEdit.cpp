#include "browse/CDlgNameEdit.h"

#include "host/CHarboPhotoApp.h"
#include "library/AlbumText.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/Edit.h"
#include "platform/win/WindowFont.h"
#include "resources/DialogTemplates.h"
#include "ui/CDrawObject.h"
#include "ui/DrawResourceTables.h"

CDlgNameEdit::CDlgNameEdit(HWND parent) : CCDialogExPh(res::kDialogNameEdit, parent) {}

CDlgNameEdit::~CDlgNameEdit() = default;

// The controls are made here from the layout, with the edit the base does not make.
BOOL CDlgNameEdit::OnInitDialog() {
  if (!CreateControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  SetWindowText(caption_);
  if (auto* prompt = dynamic_cast<CStatic*>(Made(res::kControlNamePrompt)))
    prompt->SetText(prompt_);
  if (limit_ > 0) edit_->SetLimitText(limit_);
  edit_->SetText(initial_);
  edit_->SetSel(0, -1);
  edit_->SetFocus();
  const HWND main = TheApp().mainWindow();
  CenterWindow(this, IsWindow(main) ? main : GetParent());
  return 1;
}

bool CDlgNameEdit::CreateControls() {
  controls_.clear();
  const res::DialogTemplate* t = res::FindDialogTemplate(templateId());
  if (t == nullptr) return false;
  MoveWindow(0, 0, t->width, t->height, false);
  for (const auto& control : t->controls)
    if (auto made = res::CreateControl(control, this)) controls_.push_back(std::move(made));
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  edit_ = dynamic_cast<CEdit*>(Made(res::kControlNameEdit));
  return edit_ != nullptr;
}

CWnd* CDlgNameEdit::Made(UINT id) const {
  for (const auto& control : controls_)
    if (control->GetDlgCtrlID() == id) return control.get();
  return nullptr;
}

bool CDlgNameEdit::InUse(const Cp932String& name) const {
  for (const Cp932String& used : namesInUse_)
    if (used == name) return true;
  return false;
}

// The dialog stays open for another try.
void CDlgNameEdit::Refuse(const char* utf8, bool selectText) {
  AlbumMessageBox(cp932::Lit(utf8), MB_ICONEXCLAMATION, this);
  if (selectText) edit_->SetSel(0, -1);
  edit_->SetFocus();
}

void CDlgNameEdit::OnOK() {
  const Cp932String name = albumtext::TrimBlanks(edit_->GetText());
  if (name.empty()) {
    Refuse("名前を入力してください。", false);
    return;
  }
  if (InUse(name)) {
    Refuse("指定された名前は既に存在します。\n別の名前を指定してください。", true);
    return;
  }
  name_ = name;
  EndDialog(IDOK);
}
