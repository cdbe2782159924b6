// A transfer that runs on the user-interface thread in small steps, one file a step, with a
// progress window whose cancel button stops it. When the last step is done, or the user
// cancels, the window goes and the completion message is posted, once, to the window that
// asked for the transfer.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

class CTransferProgressWnd;

class CPhoneTransfer {
 public:
  CPhoneTransfer(HWND notify, UINT doneMessage);
  virtual ~CPhoneTransfer();
  CPhoneTransfer(const CPhoneTransfer&) = delete;
  CPhoneTransfer& operator=(const CPhoneTransfer&) = delete;

  // Opens the progress window and queues the first step; false when the window cannot be
  // made (nothing has run then).
  bool Start(const Cp932String& caption);
  bool cancelled() const { return cancelled_; }
  bool finished() const { return finished_; }
  CTransferProgressWnd* progressWindow() const { return window_.get(); }

  // Called by the progress window.
  void RunNextStep();
  void Cancel();
  size_t done() const { return next_; }
  virtual size_t StepCount() const = 0;
  // What the progress window shows for the step about to run (may be empty).
  virtual Cp932String StepLabel(size_t index) const = 0;

 protected:
  virtual void RunStep(size_t index) = 0;
  // Hands the results over, before the completion message goes out.
  virtual void Complete() = 0;
  // The completion message's first parameter: the number of files moved.
  virtual WPARAM MovedCount() const = 0;

 private:
  void Finish();

  HWND notify_;
  UINT doneMessage_;
  std::unique_ptr<CTransferProgressWnd> window_;
  size_t next_ = 0;
  bool cancelled_ = false;
  bool finished_ = false;
};
