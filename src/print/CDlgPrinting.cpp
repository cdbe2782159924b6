#include "print/CDlgPrinting.h"

#include "platform/phonelib/CCmnFnc.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/Controls.h"
#include "resources/DialogTemplates.h"

CDlgPrinting::~CDlgPrinting() {
  Destroy();
}

int CDlgPrinting::Create(HWND parent, const Cp932String& text) {
  const res::DialogTemplate* t = res::FindDialogTemplate(res::kDialogPrinting);
  if (t == nullptr || GetSafeHwnd() != nullptr) return 0;
  if (!CWnd::Create(cp932::Lit(t->caption), 0, RECT{0, 0, t->width, t->height}, parent)) return 0;
  for (const auto& control : t->controls)
    if (auto made = res::CreateControl(control, this)) controls_.push_back(std::move(made));
  for (const auto& control : controls_)
    if (control->GetDlgCtrlID() == res::kControlPrintingText)
      if (auto* label = dynamic_cast<CStatic*>(control.get())) label->SetText(text);
  if (IsWindow(parent)) CenterWindow(this, parent);
  ShowWindow(SW_SHOW);
  return 1;
}

bool CDlgPrinting::Cancelled() {
  CCmnFnc::DoEvents(1);
  return cancelled_;
}

BOOL CDlgPrinting::OnCommand(WPARAM w, LPARAM l) {
  if (LOWORD(w) == IDCANCEL) {
    cancelled_ = true;
    return 1;
  }
  return CWnd::OnCommand(w, l);
}

void CDlgPrinting::Destroy() {
  if (GetSafeHwnd() != nullptr) DestroyWindow();
  controls_.clear();
}
