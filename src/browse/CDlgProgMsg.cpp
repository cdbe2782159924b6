#include "browse/CDlgProgMsg.h"

#include "platform/phonelib/CCmnFnc.h"
#include "platform/win/CenterWindow.h"
#include "platform/win/Controls.h"
#include "platform/win/ProgressCtrl.h"
#include "resources/DialogTemplates.h"

namespace {

// How many rounds of pending messages a missing control gets to appear.
constexpr int kPumpRounds = 100;

CDlgProgMsg::PositionProbe& Probe() {
  static CDlgProgMsg::PositionProbe probe;
  return probe;
}

}  // namespace

CWnd* CDlgProgMsg::Control(UINT id) const {
  for (const auto& control : controls_)
    if (control->GetDlgCtrlID() == id) return control.get();
  return nullptr;
}

template <class Kind>
Kind* CDlgProgMsg::Ready(UINT id) const {
  const auto live = [this, id] {
    auto* control = dynamic_cast<Kind*>(Control(id));
    return IsWindow(control) ? control : nullptr;
  };
  if (Kind* control = live()) return control;
  CCmnFnc::DoEvents(kPumpRounds);
  return live();
}

CDlgProgMsg::~CDlgProgMsg() {
  Destroy();
}

int CDlgProgMsg::Create(HWND parent) {
  const res::DialogTemplate* t = res::FindDialogTemplate(res::kDialogProgMsg);
  if (t == nullptr || GetSafeHwnd() != nullptr) return 0;
  const RECT client{0, 0, t->width, t->height};
  if (!CWnd::Create(cp932::Lit(t->caption), 0, client, parent)) return 0;
  for (const auto& control : t->controls)
    if (auto made = res::CreateControl(control, this)) controls_.push_back(std::move(made));
  CenterWindow(this, parent);
  ShowWindow(SW_SHOW);
  return 1;
}

void CDlgProgMsg::SetRange(int lower, int upper) {
  auto* bar = dynamic_cast<CProgressCtrl*>(Control(res::kControlProgBar));
  if (IsWindow(bar)) bar->SetRange(lower, upper);
}

void CDlgProgMsg::SetPos(int position) {
  auto* bar = Ready<CProgressCtrl>(res::kControlProgBar);
  if (bar == nullptr) return;
  bar->SetPos(position);
  if (Probe()) Probe()(position);
}

void CDlgProgMsg::SetText(const Cp932String& text) {
  if (auto* label = Ready<CStatic>(res::kControlProgText)) label->SetText(text);
}

void CDlgProgMsg::Destroy() {
  if (GetSafeHwnd() != nullptr) DestroyWindow();
  controls_.clear();
}

void CDlgProgMsg::SetPositionProbeForTest(PositionProbe probe) {
  Probe() = std::move(probe);
}
