#include "images/CImageStyle.h"

#include <algorithm>

namespace {

// Thumbnail sizes outside this range are taken as its nearest end.
constexpr int kMinImageSize = 1;
constexpr int kMaxImageSize = 2048;

RECT EmptyAt(int x, int y) {
  return RECT{x, y, x, y};
}

}  // namespace

CImageStyle::CImageStyle() {
  CImageStyle::Recompute();
}

// A bare cell: the picture square with a 4-pixel frame, no captions.
void CImageStyle::Recompute() {
  memoWidth_ = 0;
  memoHeight_ = 0;
  itemWidth_ = imageSize_ + 8;
  itemHeight_ = imageSize_ + 8;
}

void CImageStyle::SetSize(int imageSize) {
  imageSize_ = std::clamp(imageSize, kMinImageSize, kMaxImageSize);
  Recompute();
}

void CImageStyle::SetStyleBits(uint16_t bits) {
  styleBits_ = bits;
  Recompute();
}

void CImageStyle::DrawItem(CDC& /*dc*/, const CImageItem& /*item*/, int /*x*/, int /*y*/) {}

ItemParts CImageStyle::PartRects(int x, int y) const {
  ItemParts parts;
  parts.name = parts.date = parts.memo = EmptyAt(x, y);
  parts.picture = RECT{x + 3, y + 3, x + 3 + imageSize_, y + 3 + imageSize_};
  return parts;
}
