// The caption options of a parameter block: whether the photo's name, date and memo are
// printed, where, in which colour and font; the memo's size and alternation; and whether
// the photo is stretched to its box or keeps its proportions. The dialog works on a copy;
// OK writes the options back.
#pragma once

#include "host/CCDialogExPh.h"
#include "platform/win/MessageMap.h"
#include "print/CPrintPhotoOption.h"

class CDlgPrintFormatPhotoOption : public CCDialogExPh {
  HARBO_DECLARE_MESSAGE_MAP(CDlgPrintFormatPhotoOption)

 public:
  explicit CDlgPrintFormatPhotoOption(const CPrintPhotoOption& option, HWND parent = nullptr);

  // The options as the dialog ended with OK (as given, corrected, until then).
  const CPrintPhotoOption& option() const { return option_; }
  // Out-of-range places and switches of a stored block made valid.
  static CPrintPhotoOption Corrected(const CPrintPhotoOption& option);

  using CCDialogExPh::Control;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  struct Caption {
    UINT first;
    uint8_t CPrintPhotoOption::*visible;
    uint8_t CPrintPhotoOption::*position;
    CPrintFont CPrintPhotoOption::*font;
  };
  static const Caption kCaptions[3];

  void OnNameColor() { ChooseColor(kCaptions[0]); }
  void OnDateColor() { ChooseColor(kCaptions[1]); }
  void OnMemoColor() { ChooseColor(kCaptions[2]); }
  void OnNameFont() { ChooseFont(kCaptions[0]); }
  void OnDateFont() { ChooseFont(kCaptions[1]); }
  void OnMemoFont() { ChooseFont(kCaptions[2]); }
  void OnStretch();

  void ChooseColor(const Caption& caption);
  void ChooseFont(const Caption& caption);
  void ShowCaption(const Caption& caption);
  void ShowFontName(const Caption& caption);
  void ShowFit();
  bool Checked(UINT id) const;
  int Selected(UINT id) const;

  CPrintPhotoOption option_;
  CPrintPhotoOption working_;
};
