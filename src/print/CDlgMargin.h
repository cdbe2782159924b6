// The header and footer of a print style: for each band whether it is printed, its text,
// its font and its place across and down its margin. The dialog works on copies; OK writes
// them back. Leaving any other way with changes made asks whether to keep them.
#pragma once

#include "host/CCDialogExPh.h"
#include "platform/win/MessageMap.h"
#include "print/CPrintMarginText.h"

class CDlgMargin : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgMargin)

 public:
  CDlgMargin(const CPrintMarginText& header, const CPrintMarginText& footer, HWND parent = nullptr);

  // The bands as the dialog ended with OK (as given until then).
  const CPrintMarginText& header() const { return header_; }
  const CPrintMarginText& footer() const { return footer_; }

  using CCDialogExPh::Control;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void OnHeaderFont();
  void OnFooterFont();

  void ShowBand(UINT first, const CPrintMarginText& band);
  void ShowFontName(UINT first, const CPrintFont& font);
  // The band as its controls show it, on the fonts chosen so far.
  CPrintMarginText TakeBand(UINT first, const CPrintMarginText& chosen) const;
  int32_t Place(int32_t position, const int32_t (&places)[3], int32_t mask, UINT first) const;
  bool Checked(UINT id) const;
  bool Changed() const;

  CPrintMarginText header_;
  CPrintMarginText footer_;
  // The bands with the fonts chosen in the dialog.
  CPrintMarginText workHeader_;
  CPrintMarginText workFooter_;
};
