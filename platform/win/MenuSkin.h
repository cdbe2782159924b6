// The look of the album's menus in the host's menu bar: the album sets it whenever a colour
// scheme is applied, and the host's menu bar follows it through a listener.
#pragma once

#include <functional>
#include <optional>

#include "platform/win/ControlSkin.h"

namespace win {

// Sets the menus' look and tells every listener.
void SetMenuSkin(const ControlSkin& skin);
// The look last set; none before the album sets one (the toolkit's own look).
std::optional<ControlSkin> MenuSkin();

using MenuSkinListener = std::function<void()>;
// Calls the listener after every change until it is removed; returns its token.
int AddMenuSkinListener(MenuSkinListener listener);
void RemoveMenuSkinListener(int token);

}  // namespace win
