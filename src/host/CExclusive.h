// The wait dialog shown while another module talks to the phone: every ten seconds it asks
// the suite again, closes with OK once the phone is free or after six ticks, and stops on
// cancel.
#pragma once

#include "host/CCDialogExPh.h"

class CExclusive : public CCDialogExPh {
 public:
  static constexpr UINT kTickMilliseconds = 10000;
  static constexpr int kMaxTicks = 6;
  static constexpr uintptr_t kTimerId = 1;

  explicit CExclusive(HWND parent);
  int ticks() const { return ticks_; }

 protected:
  BOOL OnInitDialog() override;
  void OnTimer(uintptr_t id) override;
  void OnCancel() override;

 private:
  int ticks_ = 0;
};
