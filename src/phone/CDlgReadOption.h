// The read settings dialog "読み込み設定": where to read from (internal data folder and
// external memory, the internal data folder only, or the external memory only) and whether
// the phone library shows its confirmation screen. On a phone without external memory only
// the internal data folder can be chosen. It edits a copy of the settings; the caller
// stores them when the dialog ends with OK.
#pragma once

#include "host/CCDialogExPh.h"
#include "phone/CRegReadOption.h"

class CCheckBox;
class CRadioButton;

class CDlgReadOption : public CCDialogExPh {
 public:
  CDlgReadOption(const CRegReadOption& option, bool lacksExternalMemory, HWND parent);

  const CRegReadOption& option() const { return option_; }
  // The dialog's controls while it runs (tests drive them).
  CRadioButton* Radio(UINT id) const;
  CCheckBox* Check(UINT id) const;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void ShowSources();
  void ShowTypes();
  uint8_t ChosenArea() const;

  CRegReadOption option_;
  bool lacksExternalMemory_;
};
