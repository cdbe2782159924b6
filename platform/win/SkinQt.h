// The toolkit's side of a control skin: its font and the style sheets of the menu bar with
// its menus and of a drop-down list's opened list. For the platform layer and the host;
// the album never includes this header.
#pragma once

#include <QFont>
#include <QString>

#include "platform/win/ControlSkin.h"

namespace win {

QFont SkinFont(const ControlSkin& skin);
// Colours the bar, its items and every menu opened from it (menus take the sheet from the
// bar they belong to).
QString MenuStyleSheet(const ControlSkin& skin);
// Colours the list that a drop-down list opens and lets it open below the box.
QString DropListStyleSheet(const ControlSkin& skin);

}  // namespace win
