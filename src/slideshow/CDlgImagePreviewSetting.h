// The preview's settings dialog: the slide interval in tenths of a second with its spin,
// loop, reverse, the number of photos on a screen, stepping by a whole screen, fitting,
// the memo and the transition. It edits a copy of the settings, handed back on OK.
#pragma once

#include "host/CCDialogExPh.h"
#include "slideshow/PreviewSettings.h"

class CCheckBox;
class CComboBox;
class CEdit;

class CDlgImagePreviewSetting : public CCDialogExPh {
 public:
  static constexpr int kMinTenths = 1;
  static constexpr int kMaxTenths = 600;

  CDlgImagePreviewSetting(const PreviewSettings& settings, HWND parent);

  const PreviewSettings& settings() const { return settings_; }
  // The interval in tenths of a second when the text is half-width digits within the
  // range, else -1.
  static int ParseTenths(const Cp932String& text);
  // The dialog's controls while it runs (tests drive them).
  CEdit* tickEdit() const;
  CCheckBox* Check(UINT id) const;
  CComboBox* Combo(UINT id) const;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void SetCheck(UINT id, bool on);
  bool Checked(UINT id) const;

  PreviewSettings settings_;
};
