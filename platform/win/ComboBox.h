// A drop-down list: a closed box showing the chosen item that opens a list of items below
// it, each a code page 932 text with a value. A choice the user makes reaches the parent as
// WM_COMMAND with the box's id and CBN_SELCHANGE; a selection the program sets does not.
// The box and its list are drawn with the skin it is given.
//
// Made with CBS_DROPDOWN the box holds an edit instead of the chosen item's text: the user
// types a text or picks one of the items into it. The edit keeps the rules of an edit
// (code page 932, a byte limit).
#pragma once

#include <cstddef>

#include "platform/win/ControlSkin.h"
#include "platform/win/Wnd.h"

constexpr int CB_ERR = -1;
constexpr DWORD CBS_DROPDOWN = 0x2;

class CComboBox : public CWnd {
 public:
  // The closed box is at most this high; the rest of the rectangle, as on the system, is
  // room for the opened list.
  static constexpr int kClosedHeight = 22;

  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

  // Appends an item with the value 0; returns its index.
  int AddString(const Cp932String& text);
  void ResetContent();
  int GetCount() const;
  // The chosen item, or CB_ERR when none is.
  int GetCurSel() const;
  // Chooses the item (-1: none); CB_ERR for an index out of range, which chooses none.
  int SetCurSel(int index);
  // The item's text, or empty for an index out of range.
  Cp932String GetLBText(int index) const;
  // The item's value, or CB_ERR (as a value) for an index out of range.
  uintptr_t GetItemData(int index) const;
  int SetItemData(int index, uintptr_t value);
  // Chooses an item as the user does: the parent is told when the choice changed.
  void SelectAsUser(int index);

  // The edit of a CBS_DROPDOWN box: its text, its byte limit (0: any) and its selection
  // (end -1: up to the end of the text). Without an edit the text is empty.
  Cp932String GetEditText() const { return editText_; }
  void SetEditText(const Cp932String& text);
  void LimitText(size_t bytes) { editLimit_ = bytes; }
  void SetEditSel(int start, int end);

  void SetSkin(const win::ControlSkin& skin);
  const win::ControlSkin& skin() const { return skin_; }

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;

 private:
  // Marks the selection changes the program makes, which the parent is not told of.
  struct ProgramChoice {
    explicit ProgramChoice(CComboBox* box) : box_(box) { box_->settingSelection_ = true; }
    ~ProgramChoice() { box_->settingSelection_ = false; }
    ProgramChoice(const ProgramChoice&) = delete;
    ProgramChoice& operator=(const ProgramChoice&) = delete;
    CComboBox* box_;
  };
  void NotifySelChange();

  void EditPicked(int index);

  win::ControlSkin skin_;
  bool settingSelection_ = false;
  Cp932String editText_;
  size_t editLimit_ = 0;
};
