// The colours and the font that a skinned toolkit control or menu is drawn with, as the
// album hands them over from its drawing resources.
#pragma once

#include "platform/gdi/GdiObjects.h"

namespace win {

struct ControlSkin {
  COLORREF background = RGB(255, 255, 255);
  COLORREF text = RGB(0, 0, 0);
  COLORREF selectedBackground = RGB(0, 120, 215);
  COLORREF selectedText = RGB(255, 255, 255);
  COLORREF disabledText = RGB(128, 128, 128);
  COLORREF border = RGB(128, 128, 128);
  // The item under the mouse (lists that track it).
  COLORREF hover = RGB(229, 243, 255);
  LOGFONTA font;
};

bool operator==(const ControlSkin& a, const ControlSkin& b);

}  // namespace win
