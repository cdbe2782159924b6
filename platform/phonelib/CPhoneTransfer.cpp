#include "platform/phonelib/CPhoneTransfer.h"

#include "platform/phonelib/CTransferProgressWnd.h"
#include "platform/win/Wnd.h"

CPhoneTransfer::CPhoneTransfer(HWND notify, UINT doneMessage)
    : notify_(notify), doneMessage_(doneMessage) {}

// A transfer dropped before it finished posts nothing: its requester is going away.
CPhoneTransfer::~CPhoneTransfer() = default;

bool CPhoneTransfer::Start(const Cp932String& caption) {
  window_ = std::make_unique<CTransferProgressWnd>(*this);
  if (!window_->Open(caption)) {
    window_.reset();
    return false;
  }
  window_->QueueStep();
  return true;
}

void CPhoneTransfer::RunNextStep() {
  if (finished_) return;
  if (next_ >= StepCount()) {
    Finish();
    return;
  }
  RunStep(next_++);
  window_->ShowProgress();
  window_->QueueStep();
}

void CPhoneTransfer::Cancel() {
  if (finished_) return;
  cancelled_ = true;
  Finish();
}

// The window is closed first, so that the requester's handler finds the screen as it was.
void CPhoneTransfer::Finish() {
  finished_ = true;
  window_->Close();
  Complete();
  ::PostMessage(notify_, doneMessage_, MovedCount(), cancelled_ ? 1 : 0);
}
