// The desktop's name for a file's type ("JPEG 画像"), as the system's shell gives it for
// a file's properties.
#pragma once

#include "platform/text/Cp932.h"

namespace shell {

// The type name of the file in the user interface's language (Japanese), told by the
// file's name and, where the name says nothing, its content. Empty for a file the desktop
// has no name for, for a name without a disk form, and for a type name without a code
// page 932 form.
Cp932String FileTypeName(const Cp932String& path);

}  // namespace shell
