// The toolkit's picture behind an icon handle, for the device context. The album itself
// never includes this header.
#pragma once

#include <QImage>

#include "platform/gdi/Icons.h"

namespace gdi {

struct Icon {
  QImage image;
};

// The picture of an icon that LoadIconResource handed out; null for any other handle.
const QImage* ImageOfIcon(HICON icon);

}  // namespace gdi
