// A text edit, one line or, with ES_MULTILINE, several (Enter makes a new line, a vertical
// scroll bar when the text is longer than the box). Its text is always code page 932 and
// within the byte limit, and with ES_NUMBER only digits: a typed character that has no code
// page 932 form, that would pass the limit or that is not a digit in a number edit is not
// taken, so what the album reads back is exactly what the user sees. Lines of a multi-line
// edit are separated by "\r\n" in its text.
#pragma once

#include "platform/win/Wnd.h"

constexpr DWORD ES_MULTILINE = 0x4;
constexpr DWORD ES_NUMBER = 0x2000;

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
