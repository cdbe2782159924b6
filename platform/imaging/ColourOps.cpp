// Colour operations over whole rows: per-channel tables where the change is per channel,
// fixed-point matrices where it mixes channels.
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/imaging/ImagingInternal.h"

namespace imaging {
namespace {

using Table = std::array<uint8_t, 256>;

bool Usable(const BitmapHandle* b) {
  return b != nullptr && b->structSize == sizeof(BitmapHandle) && b->pixels != nullptr;
}

uint8_t Clamp(double v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}
int ClampInt(int v) {
  return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// Applies one table to the three colour channels of every pixel.
void ApplyTable(BitmapHandle* b, const Table& t) {
  for (int y = 0; y < b->height; ++y) {
    uint8_t* p = b->pixels + static_cast<size_t>(y) * b->bytesPerLine;
    for (int x = 0; x < b->width; ++x, p += 4) {
      p[0] = t[p[0]];
      p[1] = t[p[1]];
      p[2] = t[p[2]];
    }
  }
}

// Applies a 3 x 3 matrix in red, green, blue order with weights in 1/4096.
void ApplyMatrix(BitmapHandle* b, const std::array<int, 9>& m) {
  for (int y = 0; y < b->height; ++y) {
    uint8_t* p = b->pixels + static_cast<size_t>(y) * b->bytesPerLine;
    for (int x = 0; x < b->width; ++x, p += 4) {
      const int r = p[2], g = p[1], bl = p[0];
      p[2] = static_cast<uint8_t>(ClampInt((m[0] * r + m[1] * g + m[2] * bl + 2048) >> 12));
      p[1] = static_cast<uint8_t>(ClampInt((m[3] * r + m[4] * g + m[5] * bl + 2048) >> 12));
      p[0] = static_cast<uint8_t>(ClampInt((m[6] * r + m[7] * g + m[8] * bl + 2048) >> 12));
    }
  }
}

// Luminance weights (ITU-R BT.601) in 1/4096.
constexpr int kRed = 1224, kGreen = 2404, kBlue = 468;

// Mixes every channel with the luminance: factor 0 is grey, 1 unchanged.
std::array<int, 9> SaturationMatrix(double factor) {
  std::array<int, 9> m{};
  const int lum[3] = {kRed, kGreen, kBlue};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      m[row * 3 + col] =
          static_cast<int>(std::lround(lum[col] * (1 - factor) + (row == col ? 4096 * factor : 0)));
  return m;
}

// Turns colours about the grey axis, keeping luminance.
std::array<int, 9> HueMatrix(double radians) {
  const double c = std::cos(radians), s = std::sin(radians);
  const double lr = 0.299, lg = 0.587, lb = 0.114;
  const double m[9] = {
      lr + c * (1 - lr) - s * lr, lg - c * lg - s * lg,          lb - c * lb + s * (1 - lb),
      lr - c * lr + s * 0.143,    lg + c * (1 - lg) + s * 0.140, lb - c * lb - s * 0.283,
      lr - c * lr - s * (1 - lr), lg - c * lg + s * lg,          lb + c * (1 - lb) + s * lb};
  std::array<int, 9> out{};
  for (int i = 0; i < 9; ++i) out[i] = static_cast<int>(std::lround(m[i] * 4096));
  return out;
}

}  // namespace

int InvertColors(BitmapHandle* bitmap) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  Table t;
  for (int i = 0; i < 256; ++i) t[i] = static_cast<uint8_t>(255 - i);
  ApplyTable(bitmap, t);
  return kSuccess;
}

// Positive changes move each channel toward white by change/1000 of the way; negative
// ones toward black.
int ChangeBrightness(BitmapHandle* bitmap, int change) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  if (change < -1000 || change > 1000) return kErrorInvalidArgument;
  Table t;
  const double f = change / 1000.0;
  for (int i = 0; i < 256; ++i) t[i] = Clamp(f >= 0 ? i + (255 - i) * f : i * (1 + f));
  ApplyTable(bitmap, t);
  return kSuccess;
}

// Spreads (positive) or narrows (negative) the channels about the middle grey; 1000
// leaves only black and white, -1000 only grey.
int ChangeContrast(BitmapHandle* bitmap, int change) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  if (change < -1000 || change > 1000) return kErrorInvalidArgument;
  const double f = change >= 0 ? 1000.0 / std::max(1, 1000 - change) : (1000.0 + change) / 1000.0;
  Table t;
  for (int i = 0; i < 256; ++i) t[i] = Clamp(127.5 + (i - 127.5) * f);
  ApplyTable(bitmap, t);
  return kSuccess;
}

// -1000 is grey, 1000 twice the colourfulness.
int ChangeSaturation(BitmapHandle* bitmap, int change) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  if (change < -1000 || change > 1000) return kErrorInvalidArgument;
  ApplyMatrix(bitmap, SaturationMatrix(1.0 + change / 1000.0));
  return kSuccess;
}

int ChangeHue(BitmapHandle* bitmap, int degrees) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  if (degrees < -360 || degrees > 360) return kErrorInvalidArgument;
  if (degrees % 360 == 0) return kSuccess;
  ApplyMatrix(bitmap, HueMatrix(degrees * M_PI / 180.0));
  return kSuccess;
}

int ColourOperation(BitmapHandle* bitmap, int operation) {
  if (!Usable(bitmap)) return kErrorNoBitmap;
  if (operation != kColourOperationGrey) return kErrorInvalidArgument;
  ApplyMatrix(bitmap, SaturationMatrix(0.0));
  return kSuccess;
}

}  // namespace imaging
