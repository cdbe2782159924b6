// The toolkit's icon behind an index of the system image list, for the platform's controls
// that show file icons. The album never includes this header.
#pragma once

#include <QIcon>

namespace shell {

// The icon of the index; a null icon for an unknown index.
QIcon IconOfIndex(int index);

}  // namespace shell
