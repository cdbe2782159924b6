// Placing a top-level window over another, as a dialog is centred on its owner.
#pragma once

#include "platform/win/WinTypes.h"

// Moves the window so that the centre of its client area lies on the centre of the other
// window's client area, keeping its size. False when either window is missing.
bool CenterWindow(HWND window, HWND over);
