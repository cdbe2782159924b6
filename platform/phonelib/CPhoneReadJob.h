// Reading from the phone: each planned file is copied into the staging folder of its
// storage area and listed, read completely or not.
#pragma once

#include <vector>

#include "platform/phonelib/CNyFileInfoList.h"
#include "platform/phonelib/CPhoneTransfer.h"
#include "platform/phonelib/PhoneReadPlan.h"

class CPhoneReadJob : public CPhoneTransfer {
 public:
  static constexpr UINT kMsgDone = WM_USER + 0x103;

  // The results go to the list as the files are read; staging[0] and staging[1] are the
  // folders for the internal data folder and the external memory.
  CPhoneReadJob(std::vector<phonelib::PlannedFile> plan, const Cp932String (&staging)[2],
                bool namesShown, CNyFileInfoList& results, HWND notify);

  size_t StepCount() const override { return plan_.size(); }
  Cp932String StepLabel(size_t index) const override;

 protected:
  void RunStep(size_t index) override;
  void Complete() override {}
  WPARAM MovedCount() const override { return read_; }

 private:
  // The staging copy of a file; empty when it could not be made.
  Cp932String Stage(const phonelib::PlannedFile& file) const;

  std::vector<phonelib::PlannedFile> plan_;
  Cp932String staging_[2];
  bool namesShown_;
  CNyFileInfoList& results_;
  size_t read_ = 0;
};
