// Writing to the phone: each entry's local file goes into its storage area under the
// entry's phone folder and title name; an existing file there is replaced only when the
// caller said so. The entries come back with the ones written marked as moved.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/phonelib/CNyFileInfoList.h"
#include "platform/phonelib/CPhoneTransfer.h"

class CPhoneWriteJob : public CPhoneTransfer {
 public:
  static constexpr UINT kMsgDone = WM_USER + 0x104;

  struct Target {
    Cp932String phoneFolder;
    bool overwrite = false;
    uint32_t maxInternalBytes = 0;  // 0: no limit known
    uint32_t maxExternalBytes = 0;
  };

  CPhoneWriteJob(const CNyFileInfoList& entries, Target target, CNyFileInfoList& results,
                 HWND notify);

  size_t StepCount() const override { return entries_.size(); }
  Cp932String StepLabel(size_t index) const override { return entries_[index].GetTitleName(); }

 protected:
  void RunStep(size_t index) override;
  void Complete() override;
  WPARAM MovedCount() const override { return written_; }

 private:
  bool Write(const CNyFileInfo& entry) const;
  uint64_t LimitOf(int area) const;

  std::vector<CNyFileInfo> entries_;
  Target target_;
  CNyFileInfoList& results_;
  size_t written_ = 0;
};
