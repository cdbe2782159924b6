// The font a window and its child controls write with, as a dialog hands its font to its
// controls.
#pragma once

#include "platform/gdi/GdiObjects.h"
#include "platform/win/WinTypes.h"

// The window and its children take the font; the font object stays the caller's. False
// for a missing window or a handle that is no live font.
bool SetWindowFont(HWND window, HFONT font);
