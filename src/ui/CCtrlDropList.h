// The drop-down list of the album's bars: items of code page 932 text with a value, one of
// them chosen, drawn with the drawing resources (control background and text, selection
// colour, frame colour, control font). The user's choice reaches the parent as WM_COMMAND
// with the list's id and CBN_SELCHANGE; a new colour scheme re-skins it.
#pragma once

#include "platform/win/ComboBox.h"

class CCtrlDropList : public CComboBox {
  HARBO_DECLARE_MESSAGE_MAP(CCtrlDropList)

 public:
  // The rectangle may include room for the opened list, as on the system.
  bool Create(const RECT& rect, HWND parent, UINT id);
  // Appends an item; returns its index.
  int AddString(const Cp932String& text, uintptr_t value);
  using CComboBox::AddString;

 private:
  LRESULT OnSysColorChange(WPARAM w, LPARAM l);
  void ApplySkin();
};
