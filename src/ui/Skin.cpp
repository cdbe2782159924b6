#include "ui/Skin.h"

#include <algorithm>

#include "host/CHarboPhotoApp.h"
#include "platform/gdi/CDC.h"
#include "platform/win/MenuSkin.h"
#include "platform/win/Wnd.h"
#include "ui/CDrawObject.h"

namespace skin {

namespace {

LOGFONTA FontRecordOf(CDrawObject& draw, int32_t index) {
  LOGFONTA record;
  GetObjectA(draw.GetFont(index), sizeof(record), &record);
  return record;
}

BYTE Blend(BYTE from, BYTE to, int step, int steps) {
  return static_cast<BYTE>(from + (to - from) * step / steps);
}

}  // namespace

CDrawObject& Draw() {
  if (CDrawObject* draw = TheApp().drawObject()) return *draw;
  static CDrawObject builtIn;
  return builtIn;
}

win::ControlSkin DropListSkinOf(CDrawObject& draw) {
  win::ControlSkin skin;
  skin.background = draw.GetColor(kCtrlBack);
  skin.text = draw.GetColor(kCtrlFont);
  skin.selectedBackground = draw.GetColor(kSelect);
  skin.selectedText = draw.GetColor(kCtrlFont);
  skin.disabledText = draw.GetColor(kCtrlFontGray);
  skin.border = draw.GetColor(kCtrlFrame);
  skin.font = FontRecordOf(draw, kCtrlFont);
  return skin;
}

// The menus are the drop list's colours on the menu background.
win::ControlSkin MenuSkinOf(CDrawObject& draw) {
  win::ControlSkin skin = DropListSkinOf(draw);
  skin.background = draw.GetColor(kMenu);
  return skin;
}

win::ControlSkin ListSkinOf(CDrawObject& draw) {
  win::ControlSkin skin = DropListSkinOf(draw);
  skin.hover = draw.GetColor(kMouseOver);
  skin.border = draw.GetColor(kCtrlBorder);
  return skin;
}

void SchemeApplied(CDrawObject& draw, HWND root) {
  win::SetMenuSkin(MenuSkinOf(draw));
  if (IsWindow(root)) root->SendMessageToDescendants(WM_SYSCOLORCHANGE);
}

void FillGradient(CDC& dc, const RECT& rect, COLORREF top, COLORREF bottom) {
  const int rows = rect.bottom - rect.top;
  const int last = std::max(1, rows - 1);
  for (int i = 0; i < rows; ++i) {
    const COLORREF colour = RGB(Blend(GetRValue(top), GetRValue(bottom), i, last),
                                Blend(GetGValue(top), GetGValue(bottom), i, last),
                                Blend(GetBValue(top), GetBValue(bottom), i, last));
    dc.FillSolidRect(RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}, colour);
  }
}

}  // namespace skin
