#include "platform/phonelib/CTransferProgressWnd.h"

#include <string>

#include "platform/phonelib/CPhoneTransfer.h"

const MessageMap<CTransferProgressWnd>& CTransferProgressWnd::GetMessageMap() {
  static const MessageMap<CTransferProgressWnd> map{
      .messages = {{kMsgStep, &CTransferProgressWnd::OnStep}},
      .commands = {{kIdCancel, &CTransferProgressWnd::OnCancel}},
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CTransferProgressWnd, CWnd)

bool CTransferProgressWnd::Open(const Cp932String& caption) {
  if (!Create(caption, WS_VISIBLE, RECT{200, 200, 560, 330}, nullptr)) return false;
  const bool made = label_.Create(caption, WS_CHILD | WS_VISIBLE, RECT{12, 10, 348, 50}, this) &&
                    count_.Create("", WS_CHILD | WS_VISIBLE, RECT{12, 54, 348, 76}, this) &&
                    cancel_.Create(cp932::Lit("キャンセル"), WS_CHILD | WS_VISIBLE,
                                   RECT{248, 86, 348, 116}, this, kIdCancel);
  if (!made) {
    DestroyWindow();
    return false;
  }
  cancel_.SetText(cp932::Lit("キャンセル"));
  ShowProgress();
  return true;
}

void CTransferProgressWnd::ShowProgress() {
  const size_t done = transfer_.done();
  const size_t total = transfer_.StepCount();
  count_.SetText(std::to_string(done) + " / " + std::to_string(total));
  if (done < total) {
    const Cp932String name = transfer_.StepLabel(done);
    if (!name.empty()) label_.SetText(name);
  }
}

LRESULT CTransferProgressWnd::OnStep(WPARAM, LPARAM) {
  transfer_.RunNextStep();
  return 0;
}

void CTransferProgressWnd::OnCancel() {
  transfer_.Cancel();
}

// Closing the window is a cancel, so the requester always hears of the end.
void CTransferProgressWnd::OnClose() {
  transfer_.Cancel();
}
