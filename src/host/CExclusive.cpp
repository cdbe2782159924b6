#include "host/CExclusive.h"

#include "host/SuiteRegistry.h"
#include "resources/DialogTemplates.h"

CExclusive::CExclusive(HWND parent) : CCDialogExPh(res::kDialogPhoneWait, parent) {}

BOOL CExclusive::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  ticks_ = 0;
  SetTimer(kTimerId, kTickMilliseconds);
  return 1;
}

void CExclusive::OnTimer(uintptr_t id) {
  if (id != kTimerId) return;
  ++ticks_;
  if (suite::GetRunningPhoneOperation(0) != 0 && ticks_ < kMaxTicks) return;
  KillTimer(kTimerId);
  EndDialog(IDOK);
}

void CExclusive::OnCancel() {
  KillTimer(kTimerId);
  EndDialog(IDCANCEL);
}
