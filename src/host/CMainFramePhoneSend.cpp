// The frame's sending to the phone: the send command (Shift+F5, 32841, and the host's
// 49170) with its dialog, and the completion of a send (WM_USER + 0x104).
#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "host/SuiteRegistry.h"
#include "phone/CDlgImageUpdate.h"
#include "phone/PhoneSendSession.h"

namespace {

bool SendAllowed(int phoneBlock, int transfer) {
  Cp932String ignored;
  return phoneBlock == 0 && !suite::IsPhoneBlocked({}, &ignored) && transfer == 0;
}

}  // namespace

// The dialog ticks the photos to send (its ticks are the view's selection marks); the
// send then runs on the view's ticked photos. The views are refreshed whatever happened.
void CMainFrame::OnSendToPhone() {
  if (!SendAllowed(phoneBlock_, transfer_) || sendSession_ != nullptr || items_->count() == 0) {
    MessageBeep(static_cast<UINT>(-1));
    return;
  }
  CDlgImageUpdate dialog(*items_, this);
  const intptr_t answer = dialog.DoModal();
  RefreshViews();
  if (answer != IDOK) return;
  const SuiteContext* context = suite::Context();
  const HWND host = context != nullptr ? context->hostMainWindow : nullptr;
  const CPhoneSendSession::Parties parties{this, host, GetParent(),
                                           TheApp().GetPath(CHarboPhotoApp::Path::kCallbackFolder)};
  auto session = std::make_unique<CPhoneSendSession>();
  if (!session->Start(*items_, dialog.choice(), parties)) {
    RefreshViews();
    return;
  }
  sendSession_ = std::move(session);
  SetTransfer(1);
}

// The library has written what it could; the converted files go with the session.
LRESULT CMainFrame::OnSendDone(WPARAM /*w*/, LPARAM /*l*/) {
  if (sendSession_ == nullptr) return 0;
  sendSession_->Finish();
  sendSession_.reset();
  SetTransfer(0);
  RefreshViews();
  return 0;
}

// The send's state also goes to the host's window that sends to the phone.
void CMainFrame::OnUpdateSendToPhone(CCmdUI* ui) {
  const bool allowed = SendAllowed(phoneBlock_, transfer_) && items_->count() > 0;
  ui->Enable(allowed);
  suite::EnableHostWindow2(allowed);
}
