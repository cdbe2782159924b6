// The progress window of a phone transfer: what is being moved, "n / m", and a cancel
// button. It drives its transfer by posting itself one step message after another, so the
// rest of the program keeps running between the files.
#pragma once

#include "platform/win/Controls.h"
#include "platform/win/Wnd.h"

class CPhoneTransfer;

class CTransferProgressWnd : public CWnd {
  HARBO_DECLARE_MESSAGE_MAP(CTransferProgressWnd)

 public:
  static constexpr UINT kMsgStep = WM_USER + 1;
  static constexpr UINT kIdCancel = 2;

  explicit CTransferProgressWnd(CPhoneTransfer& transfer) : transfer_(transfer) {}

  bool Open(const Cp932String& caption);
  void QueueStep() { PostMessage(kMsgStep); }
  void ShowProgress();
  void Close() { DestroyWindow(); }
  // The button, for tests that press it as a user would.
  CButton& cancelButton() { return cancel_; }
  Cp932String CountText() const { return count_.GetWindowText(); }

 protected:
  void OnClose() override;

 private:
  LRESULT OnStep(WPARAM, LPARAM);
  void OnCancel();

  CPhoneTransfer& transfer_;
  CStatic label_;
  CStatic count_;
  CButton cancel_;
};
