// File-type icons and the system image list: each distinct icon gets an index the first
// time a file of its type asks, and the index draws it.
#pragma once

#include "platform/text/Cp932.h"

class CDC;

namespace shell {

// The size of the standard (large) icons in pixels.
constexpr int kStandardIconSize = 32;
int StandardIconSize();

// The system image list index of the file's type icon: -1 for an empty path or a file that
// does not exist. Types without an icon of their own share the generic file icon.
int FileIconIndex(const Cp932String& path);

// Draws the icon of the index with its top left corner at the point; false for an
// unknown index.
bool DrawIcon(CDC& dc, int index, int x, int y);

}  // namespace shell
