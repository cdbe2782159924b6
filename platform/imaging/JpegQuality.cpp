// The quality a JPEG file was written with, estimated from its luminance quantisation
// table against the standard table that encoders scale.
#include <cstdint>

#include "platform/imaging/Imaging.h"
#include "platform/imaging/ImagingInternal.h"

namespace imaging {

namespace {

// The standard luminance table in zigzag order, as files store it.
constexpr int kStandardLuminance[64] = {
    16, 11, 12,  14,  12,  10, 16, 14,  13,  14,  18,  17,  16, 19,  24,  40,
    26, 24, 22,  22,  24,  49, 35, 37,  29,  40,  58,  51,  61, 60,  57,  51,
    56, 55, 64,  72,  92,  78, 64, 68,  87,  69,  55,  56,  80, 109, 81,  87,
    95, 98, 103, 104, 103, 62, 77, 113, 121, 112, 100, 120, 92, 101, 103, 99};

// The scaled table gives the percentage the encoder scaled by, and that the quality.
int QualityOfTable(const int* table) {
  long sum = 0;
  for (int i = 0; i < 64; ++i) sum += static_cast<long>(table[i]) * 100 / kStandardLuminance[i];
  const long scale = sum / 64;
  if (scale <= 0) return 100;
  const long quality = scale <= 100 ? (200 - scale) / 2 : 5000 / scale;
  return static_cast<int>(quality < 1 ? 1 : quality > 100 ? 100 : quality);
}

// Walks the markers from the start of image to the first frame or scan, looking for the
// table of component 0; 0 when the bytes hold none.
int QualityOfBytes(const uint8_t* p, size_t size) {
  if (size < 4 || p[0] != 0xFF || p[1] != 0xD8) return 0;
  size_t at = 2;
  while (at + 4 <= size) {
    if (p[at] != 0xFF) return 0;
    const uint8_t marker = p[at + 1];
    const size_t length = (static_cast<size_t>(p[at + 2]) << 8) | p[at + 3];
    if (length < 2 || at + 2 + length > size) return 0;
    if (marker == 0xDA ||
        (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC))
      return 0;
    if (marker == 0xDB) {
      for (size_t t = at + 4; t < at + 2 + length;) {
        const bool wide = (p[t] >> 4) != 0;
        const int id = p[t] & 0x0F;
        const size_t bytes = 1 + 64 * (wide ? 2 : 1);
        if (t + bytes > at + 2 + length) return 0;
        if (id == 0) {
          int table[64];
          for (int i = 0; i < 64; ++i)
            table[i] = wide ? (p[t + 1 + 2 * i] << 8) | p[t + 2 + 2 * i] : p[t + 1 + i];
          return QualityOfTable(table);
        }
        t += bytes;
      }
    }
    at += 2 + length;
  }
  return 0;
}

}  // namespace

int EstimateJpegQuality(const char* path) {
  if (path == nullptr) return 0;
  const int quality = detail::Guarded([&] {
    detail::PhotoFile file;
    if (file.Open(path) != kSuccess) return 0;
    detail::Buffer bytes;
    detail::Header header;
    if (detail::ReadHeader(file, bytes, &header) != kSuccess || header.format != kFormatJpeg)
      return 0;
    return QualityOfBytes(bytes.data(), bytes.size());
  });
  return quality > 0 ? quality : 0;
}

int QualityFactorFor(int jpegQuality) {
  for (int factor = 2; factor <= 255; ++factor)
    if (JpegQualityFor(factor) <= jpegQuality) return factor;
  return 255;
}

}  // namespace imaging
