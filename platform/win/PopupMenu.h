// Pop-up (context) menus: a menu shown at a screen point, drawn with the menus' skin, that
// runs until the user chooses an item or dismisses it. Tests answer pop-ups with a
// responder instead of showing them.
#pragma once

#include <functional>

#include "platform/win/Menu.h"

// Flags of TrackPopupMenu.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_RETURNCMD = 0x0100;

// Shows the menu with its top left at the screen point. With TPM_RETURNCMD it returns the
// chosen item's id (0 when dismissed); otherwise it sends the choice to the owner as
// WM_COMMAND and returns non-zero when an item was chosen. Greyed items cannot be chosen.
UINT TrackPopupMenu(const CMenu* menu, UINT flags, int x, int y, HWND owner);

namespace win {

// Answers pop-up menus in tests: gets the menu and the screen point and returns the id to
// choose (0 dismisses). A greyed or unknown id counts as dismissed.
using PopupMenuResponder = std::function<UINT(const CMenu& menu, POINT screen)>;
void SetPopupMenuResponder(PopupMenuResponder responder);

}  // namespace win
