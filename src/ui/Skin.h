// The toolkit's look: the drawing resources its controls paint with, the resource indices
// they use, and what follows when a colour scheme is applied.
#pragma once

#include <cstdint>

#include "platform/win/ControlSkin.h"
#include "platform/win/WinTypes.h"

class CDC;
class CDrawObject;

namespace skin {

// Resource indices the toolkit paints with (colour, pen, brush and font slots).
constexpr int32_t kMenu = 4;            // menu background (follows kCtrlBack2)
constexpr int32_t kCtrlBorder = 110;    // splitter bars
constexpr int32_t kCtrlFrame = 111;     // control borders and rules
constexpr int32_t kCtrlBack = 112;      // control background
constexpr int32_t kCtrlBack2 = 113;     // panel background
constexpr int32_t kCtrlFont = 114;      // control text, colour and font
constexpr int32_t kCtrlFontGray = 116;  // disabled text
constexpr int32_t kSelect = 117;        // selected item
constexpr int32_t kMouseOver = 118;     // control under the mouse
constexpr int32_t kCaptionBack = 119;   // caption of the active window
constexpr int32_t kCaptionBackInactive = 120;
constexpr int32_t kCaptionText = 121;   // caption text, colour and font
constexpr int32_t kSunkenShadow = 128;  // top and left edge of a pressed control
constexpr int32_t kSunkenLight = 129;   // bottom and right edge of a pressed control
constexpr int32_t kBarTop = 133;        // tool bar gradient, top
constexpr int32_t kBarBottom = 134;     // tool bar gradient, bottom

// The application's drawing resources, or the built-in ones while it has none.
CDrawObject& Draw();

// The look of a drop-down list and of the host's menus, from the drawing resources.
win::ControlSkin DropListSkinOf(CDrawObject& draw);
win::ControlSkin MenuSkinOf(CDrawObject& draw);
// The look of a list's rows: the drop list's, with the row under the mouse and the grid
// lines in the splitter bars' colour.
win::ControlSkin ListSkinOf(CDrawObject& draw);

// A colour scheme was applied to the resources: the host's menus take the new look and
// every window under root hears WM_SYSCOLORCHANGE, so that controls holding colours of
// their own take the new ones. Repainting stays the caller's.
void SchemeApplied(CDrawObject& draw, HWND root);

// Fills the rectangle with colours running from top to bottom.
void FillGradient(CDC& dc, const RECT& rect, COLORREF top, COLORREF bottom);

}  // namespace skin
