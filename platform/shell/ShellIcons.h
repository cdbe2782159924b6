// File-type icons and the system image list: each distinct icon gets an index the first
// time a file of its type asks, and the index draws it.
#pragma once

#include "platform/text/Cp932.h"

class CDC;

namespace shell {

// The size of the standard (large) icons in pixels, and of the small ones lists show.
constexpr int kStandardIconSize = 32;
constexpr int kSmallIconSize = 16;
int StandardIconSize();

// The system image list index of the file's type icon: -1 for an empty path or a file that
// does not exist. Types without an icon of their own share the generic file icon.
int FileIconIndex(const Cp932String& path);
// The index of the type icon a file of that name has, from the name alone (the file need
// not exist, as when the system is asked with the normal file attribute); -1 for an empty
// name or one without a disk form.
int FileIconIndexOfName(const Cp932String& name);

// Draws the icon of the index with its top left corner at the point; false for an
// unknown index.
bool DrawIcon(CDC& dc, int index, int x, int y, int size = kStandardIconSize);

}  // namespace shell
