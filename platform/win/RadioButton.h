// A radio button: one choice of a group of which one is chosen. A click (the user's, or
// Click()) chooses it and clears the other radio buttons of its group, that is those of the
// same parent with the same group number, then reaches the parent as WM_COMMAND with the
// button's id and BN_CLICKED. A disabled button takes no click.
#pragma once

#include "platform/win/CheckBox.h"
#include "platform/win/Wnd.h"

class CRadioButton : public CWnd {
 public:
  void SetText(const Cp932String& text);
  // Buttons of one parent form group 0 unless given another number.
  void SetGroup(int group) { group_ = group; }
  int group() const { return group_; }
  int GetCheck() const { return check_; }
  // Sets this button's state only; the others of the group stay as they are.
  void SetCheck(int check);
  void Click();

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  void ClearOthersInGroup();
  void Notify();

  int check_ = BST_UNCHECKED;
  int group_ = 0;
};
