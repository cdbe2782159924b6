// Icons compiled into the platform library, found by the resource numbers the album uses
// (the picture ":/icons/<number>.png" of the toolkit's resource system). An icon is shared
// by the whole process and never destroyed, as the system's shared icons are.
#pragma once

namespace gdi {
struct Icon;
}  // namespace gdi

using HICON = gdi::Icon*;

// The icon of the resource number scaled to width x height; null when there is no such
// resource or the size is not positive.
HICON LoadIconResource(int resource, int width, int height);
// One image of a bitmap strip: the resource's picture holds square images side by side,
// each as wide as the strip is high; index 0 is the leftmost. The image is drawn as an
// icon at its own size. Null when there is no such resource or image.
HICON LoadStripImage(int resource, int index);
// The part of the resource's picture at (x, y) of width x height, drawn as an icon at its
// own size (a cell of a sprite bitmap). Null when there is no such resource or the part
// does not lie wholly inside the picture.
HICON LoadBitmapCell(int resource, int x, int y, int width, int height);
