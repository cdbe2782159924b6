// A one-line text edit. Its text is always code page 932 and within the byte limit: a
// typed character that has no code page 932 form, or that would pass the limit, is not
// taken, so what the album reads back is exactly what the user sees.
#pragma once

#include "platform/win/Wnd.h"

class CEdit : public CWnd {
 public:
  void SetText(const Cp932String& text);
  Cp932String GetText() const;
  // The most bytes the user may type; 0 takes any length. A longer text already there
  // stays until it is edited.
  void SetLimitText(size_t bytes);
  size_t limitText() const { return limit_; }
  // Selects the characters from start up to end; end -1 means up to the end of the text.
  void SetSel(int start, int end);
  // The selected characters as start and end; both the cursor's place when none is.
  void GetSel(int* start, int* end) const;

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  // The user changed the text: kept when it passes, else the last good text comes back.
  void Edited();

  size_t limit_ = 0;
  Cp932String accepted_;
};
