// Plain controls: a text and a push button. A button click reaches its parent as
// WM_COMMAND with the button's id and BN_CLICKED.
#pragma once

#include "platform/win/Wnd.h"

class CStatic : public CWnd {
 public:
  void SetText(const Cp932String& text);

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;
};

class CButton : public CWnd {
 public:
  void SetText(const Cp932String& text);
  // Clicks the button as a user would.
  void Click();
  // A button given a check state stays pressed while checked (a push-like check box); the
  // caller sets the state, a click only reports.
  void SetCheck(int checked);
  int GetCheck() const { return checked_; }

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  int checked_ = 0;
};
