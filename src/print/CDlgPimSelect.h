// The PRINT Image Matching choice: a check box with an explanation. OK gives the switch
// back; the printer information keeps it and hands it to each print job.
#pragma once

#include "host/CCDialogExPh.h"

class CDlgPimSelect : public CCDialogExPh {
 public:
  CDlgPimSelect(int pimSwitch, HWND parent = nullptr);
  int pimSwitch() const { return switch_; }
  using CCDialogExPh::Control;

  // The explanation's four lines; the last names the suite's phone.
  static Cp932String Explanation();

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  int switch_;
};
