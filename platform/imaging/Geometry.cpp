// Rotation and mosaic, written over whole rows of 32-bit pixels.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/imaging/ImagingInternal.h"

namespace imaging {
namespace {

using detail::Canvas;

bool Usable(const BitmapHandle* b) {
  return b != nullptr && b->structSize == sizeof(BitmapHandle) && b->pixels != nullptr;
}

uint32_t* Row(const Canvas& c, int y) {
  return reinterpret_cast<uint32_t*>(c.pixels + y * c.stride);
}

// The fill colour as a pixel word (blue, green, red, unused).
uint32_t WordOf(COLORREF colour) {
  const uint32_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  return b | (g << 8) | (r << 16) | 0xFF000000u;
}

// Quarter turns clockwise (1, 2 or 3), exact.
void QuarterTurns(const Canvas& src, const Canvas& dst, int turns) {
  for (int y = 0; y < dst.height; ++y) {
    uint32_t* out = Row(dst, y);
    for (int x = 0; x < dst.width; ++x) {
      if (turns == 1)
        out[x] = Row(src, src.height - 1 - x)[y];
      else if (turns == 2)
        out[x] = Row(src, src.height - 1 - y)[src.width - 1 - x];
      else
        out[x] = Row(src, x)[src.width - 1 - y];
    }
  }
}

// One channel of a bilinear sample, with the fill outside the picture.
struct Sampler {
  const Canvas& src;
  uint32_t fill;

  uint32_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= src.width || y >= src.height) return fill;
    return Row(src, y)[x];
  }

  uint32_t Sample(double sx, double sy) const {
    const int x0 = static_cast<int>(std::floor(sx)), y0 = static_cast<int>(std::floor(sy));
    const double fx = sx - x0, fy = sy - y0;
    const uint32_t p[4] = {At(x0, y0), At(x0 + 1, y0), At(x0, y0 + 1), At(x0 + 1, y0 + 1)};
    const double w[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    uint32_t result = 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
      double v = 0;
      for (int k = 0; k < 4; ++k) v += ((p[k] >> (8 * c)) & 0xFF) * w[k];
      result |= static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))) << (8 * c);
    }
    return result;
  }
};

// Any other angle: each output pixel is sampled from the source turned back.
void FreeAngle(const Canvas& src, const Canvas& dst, double radians, uint32_t fill) {
  const double c = std::cos(radians), s = std::sin(radians);
  const double scx = src.width / 2.0, scy = src.height / 2.0;
  const double dcx = dst.width / 2.0, dcy = dst.height / 2.0;
  const Sampler sampler{src, fill};
  for (int y = 0; y < dst.height; ++y) {
    uint32_t* out = Row(dst, y);
    const double dy = y + 0.5 - dcy;
    for (int x = 0; x < dst.width; ++x) {
      const double dx = x + 0.5 - dcx;
      out[x] = sampler.Sample(dx * c + dy * s + scx - 0.5, -dx * s + dy * c + scy - 0.5);
    }
  }
}

// The canvas that holds the whole turned picture.
void GrownSize(int w, int h, double radians, int* nw, int* nh) {
  const double c = std::fabs(std::cos(radians)), s = std::fabs(std::sin(radians));
  *nw = std::max(1, static_cast<int>(std::ceil(w * c + h * s - 1e-6)));
  *nh = std::max(1, static_cast<int>(std::ceil(w * s + h * c - 1e-6)));
}

int Rotate(BitmapHandle* bitmap, int hundredthsOfDegree, int flags, COLORREF fill) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  if (bitmap->order != kOrderTopDown)
    NormaliseRowOrder(nullptr, bitmap, sizeof(BitmapHandle), kOrderTopDown);
  const int angle = ((std::clamp(hundredthsOfDegree, -36000, 36000) % 36000) + 36000) % 36000;
  if (angle == 0) return kSuccess;
  const double radians = angle / 100.0 * M_PI / 180.0;
  const bool quarter = angle % 9000 == 0;
  int nw = bitmap->width, nh = bitmap->height;
  if (quarter && angle != 18000) std::swap(nw, nh);
  if (!quarter && (flags & kRotateGrowCanvas) != 0)
    GrownSize(bitmap->width, bitmap->height, radians, &nw, &nh);
  detail::NewPixels turned;
  if (!turned.Allocate(nw, nh)) return kErrorTooLarge;
  if (quarter)
    QuarterTurns(detail::CanvasOf(*bitmap), detail::CanvasOf(turned.handle()), angle / 9000);
  else
    FreeAngle(detail::CanvasOf(*bitmap), detail::CanvasOf(turned.handle()), radians, WordOf(fill));
  turned.ReplaceInto(bitmap);
  return kSuccess;
}

}  // namespace

int RotateBitmap(BitmapHandle* bitmap, int hundredthsOfDegree, int flags, COLORREF fill) {
  return detail::Guarded([&] { return Rotate(bitmap, hundredthsOfDegree, flags, fill); });
}

int Mosaic(BitmapHandle* bitmap, int tileSize) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  if (tileSize < 2) return kErrorInvalidArgument;
  const Canvas c = detail::CanvasOf(*bitmap);
  for (int top = 0; top < c.height; top += tileSize) {
    const int bottom = std::min(c.height, top + tileSize);
    for (int left = 0; left < c.width; left += tileSize) {
      const int right = std::min(c.width, left + tileSize);
      uint64_t sum[3] = {0, 0, 0};
      for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
          for (int k = 0; k < 3; ++k) sum[k] += (Row(c, y)[x] >> (8 * k)) & 0xFF;
      const uint64_t n = static_cast<uint64_t>(bottom - top) * (right - left);
      const uint32_t word = static_cast<uint32_t>((sum[0] + n / 2) / n) |
                            static_cast<uint32_t>((sum[1] + n / 2) / n) << 8 |
                            static_cast<uint32_t>((sum[2] + n / 2) / n) << 16 | 0xFF000000u;
      for (int y = top; y < bottom; ++y) std::fill(Row(c, y) + left, Row(c, y) + right, word);
    }
  }
  return kSuccess;
}

}  // namespace imaging
