// The album's menus and accelerator tables, keyed by resource number.
#pragma once

#include <memory>

#include "platform/win/Menu.h"

namespace res {

constexpr UINT kMainMenu = 128;
constexpr UINT kMainAccelerators = 128;
// The views' context menus: sub-menu 0 on photos, 1 on empty space.
constexpr UINT kContextMenus = 195;

// A new menu for the resource number, or null when there is none.
std::unique_ptr<CMenu> LoadMenu(UINT id);
// The accelerator table for the resource number (lives as long as the module), or null.
HACCEL LoadAccelerators(UINT id);

}  // namespace res
