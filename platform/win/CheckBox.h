// A check box: a box with its text that the user ticks and clears. A click reaches the
// parent as WM_COMMAND with the box's id and BN_CLICKED, after the state changed.
#pragma once

#include "platform/win/Wnd.h"

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

class CCheckBox : public CWnd {
 public:
  void SetText(const Cp932String& text);
  int GetCheck() const;
  void SetCheck(int check);
  // Clicks the box as a user would: the state flips and the parent is told.
  void Click();

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  void Notify();
  int check_ = BST_UNCHECKED;
};
