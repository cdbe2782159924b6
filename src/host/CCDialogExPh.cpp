#include "host/CCDialogExPh.h"

#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "host/SuiteRegistry.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/WindowFont.h"
#include "resources/CommandIds.h"
#include "resources/DialogTemplates.h"
#include "ui/CDrawObject.h"
#include "ui/DrawResourceTables.h"

// The easy print panel's layout window steps aside while the dialog runs.
intptr_t CCDialogExPh::DoModal() {
  if (suite::Context() == nullptr) return -1;
  CMainFrame* frame = MainFrame();
  if (frame != nullptr) frame->easyPrint().SuspendFloating();
  intptr_t result = -1;
  if (suite::BeginOperation(suite::kAlbumModule, suite::kKindModalDialog, 1, 0, 0)) {
    result = CDialog::DoModal();
    suite::EndOperation(suite::kAlbumModule, suite::kKindModalDialog, 0);
  }
  if (frame != nullptr && MainFrame() == frame) frame->easyPrint().ResumeFloating();
  return result;
}

BOOL CCDialogExPh::OnInitDialog() {
  controls_.clear();
  const res::DialogTemplate* t = res::FindDialogTemplate(templateId());
  if (t == nullptr) return 1;
  SetWindowText(cp932::Lit(t->caption));
  MoveWindow(0, 0, t->width, t->height, false);
  for (const auto& control : t->controls)
    if (auto made = res::CreateControl(control, this)) controls_.push_back(std::move(made));
  return 1;
}

CWnd* CCDialogExPh::Control(UINT id) const {
  for (const auto& control : controls_)
    if (control->GetDlgCtrlID() == id) return control.get();
  return nullptr;
}

void CCDialogExPh::UseAlbumLook() {
  if (CDrawObject* draw = TheApp().drawObject())
    SetWindowFont(this, draw->GetFont(drawres::kCtrlFontIndex));
  const HWND main = TheApp().mainWindow();
  CenterWindow(this, IsWindow(main) ? main : GetParent());
}

void CCDialogExPh::OnHelp() {
  if (CMainFrame* frame = MainFrame()) frame->SendMessage(WM_COMMAND, cmd::kHelp, 0);
}

int AlbumMessageBox(const Cp932String& text, UINT type, HWND owner) {
  SuiteContext* context = suite::Context();
  if (context == nullptr) return 0;
  if (!suite::BeginOperation(suite::kAlbumModule, suite::kKindMessageBox, 1, 0, 0)) return 0;
  if (owner == nullptr) owner = context->hostMainWindow;
  const int answer = MessageBoxA(owner, text.c_str(), TheApp().title().c_str(), type);
  suite::EndOperation(suite::kAlbumModule, suite::kKindMessageBox, 0);
  return answer;
}
