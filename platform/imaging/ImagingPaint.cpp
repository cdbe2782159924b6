// Painting bitmaps into device contexts.
#include "platform/gdi/CDC.h"
#include "platform/gdi/TransitionEffects.h"
#include "platform/imaging/Imaging.h"

namespace imaging {
namespace {

bool Paintable(const BitmapHandle* b) {
  return b != nullptr && b->structSize == sizeof(BitmapHandle) && b->pixels != nullptr;
}

gdi::ImageView ViewOf(const BitmapHandle& b) {
  return {b.pixels, b.width, b.height, b.bytesPerLine, b.order == kOrderBottomUp};
}

RECT Whole(const BitmapHandle& b) {
  return RECT{0, 0, b.width, b.height};
}

}  // namespace

void* CreatePaintPalette(CDC& /*dc*/, const BitmapHandle* /*bitmap*/) {
  return nullptr;
}

void PaintBitmap(CDC& dc, const BitmapHandle* bitmap, const RECT* source,
                 const RECT* /*sourceClip*/, const RECT* destination,
                 const RECT* /*destinationClip*/, DWORD /*rasterOperation*/) {
  if (!Paintable(bitmap) || destination == nullptr) return;
  dc.StretchImagePart(ViewOf(*bitmap), source != nullptr ? *source : Whole(*bitmap), *destination);
}

void PrintBitmap(CDC& dc, const BitmapHandle* bitmap, int left, int top, int width, int height,
                 int /*flags*/) {
  if (!Paintable(bitmap)) return;
  dc.StretchImage(ViewOf(*bitmap), RECT{left, top, left + width, top + height});
}

int PaintWithEffect(CDC& dc, const BitmapHandle* bitmap, const RECT* /*source*/,
                    const RECT* /*sourceClip*/, const RECT* destination,
                    const RECT* /*destinationClip*/, DWORD /*rasterOperation*/, int effect) {
  if (!Paintable(bitmap)) return kErrorNoBitmap;
  if (destination == nullptr) return kErrorInvalidArgument;
  gdi::PaintWithEffect(dc, ViewOf(*bitmap), *destination, effect);
  return kSuccess;
}

}  // namespace imaging
