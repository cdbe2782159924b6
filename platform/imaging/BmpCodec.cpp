// Windows bitmap files: uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel (with or
// without bit fields) are read here; compressed variants go to the toolkit's reader.
// Rows stay in the file's order (bottom row first unless the height is negative).
#include <algorithm>
#include <cstring>

#include "platform/imaging/ImagingInternal.h"

namespace imaging::detail {
namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;

uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
void Put32(Buffer& v, uint32_t x) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(x), static_cast<uint8_t>(x >> 8),
                            static_cast<uint8_t>(x >> 16), static_cast<uint8_t>(x >> 24)};
  v.Append(bytes, 4);
}
void Put16(Buffer& v, uint16_t x) {
  const uint8_t bytes[2] = {static_cast<uint8_t>(x), static_cast<uint8_t>(x >> 8)};
  v.Append(bytes, 2);
}

// The fields of the file and information headers that decoding needs.
struct BmpLayout {
  uint32_t dataOffset = 0;
  uint32_t headerSize = 0;
  int32_t width = 0;
  int32_t height = 0;  // negative: top row first
  uint16_t bits = 0;
  uint32_t compression = 0;
  uint32_t paletteCount = 0;
  uint32_t masks[3] = {0, 0, 0};
  size_t stride = 0;
};

// One colour channel taken out of a packed pixel by its mask, scaled to 8 bits.
uint8_t Channel(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  const uint32_t max = mask >> shift;
  return static_cast<uint8_t>(((value & mask) >> shift) * 255 / max);
}

// Reads the headers and checks that the pixel rows lie inside the file.
int ReadLayout(const uint8_t* data, size_t size, BmpLayout* l) {
  if (size < kFileHeaderBytes + 16) return kErrorCorrupt;
  l->dataOffset = U32(data + 10);
  l->headerSize = U32(data + 14);
  if (l->headerSize < kInfoHeaderBytes || size < kFileHeaderBytes + kInfoHeaderBytes)
    return kErrorFormat;
  const uint8_t* h = data + kFileHeaderBytes;
  l->width = static_cast<int32_t>(U32(h + 4));
  l->height = static_cast<int32_t>(U32(h + 8));
  l->bits = U16(h + 14);
  l->compression = U32(h + 16);
  l->paletteCount = U32(h + 32);
  if (l->width <= 0 || l->height == 0 || l->height == INT32_MIN) return kErrorCorrupt;
  l->stride = ((static_cast<size_t>(l->width) * l->bits + 31) / 32) * 4;
  return kSuccess;
}

// The bit masks of a 16- or 32-bit picture: from the header or the defaults.
bool ReadMasks(const uint8_t* data, size_t size, BmpLayout* l) {
  if (l->compression == kRgb) {
    if (l->bits == 16)
      l->masks[0] = 0x7C00, l->masks[1] = 0x03E0, l->masks[2] = 0x001F;
    else
      l->masks[0] = 0xFF0000, l->masks[1] = 0xFF00, l->masks[2] = 0xFF;
    return true;
  }
  const size_t at = kFileHeaderBytes + kInfoHeaderBytes;
  if (size < at + 12) return false;
  for (int i = 0; i < 3; ++i) l->masks[i] = U32(data + at + 4 * i);
  return true;
}

bool Supported(const BmpLayout& l) {
  const bool plain = l.compression == kRgb && (l.bits == 1 || l.bits == 4 || l.bits == 8 ||
                                               l.bits == 16 || l.bits == 24 || l.bits == 32);
  const bool fields = l.compression == kBitFields && (l.bits == 16 || l.bits == 32);
  return plain || fields;
}

// One row of the file into blue, green, red, unused words.
void DecodeRow(const uint8_t* src, const BmpLayout& l, const uint8_t* palette,
               uint32_t paletteCount, uint8_t* out) {
  for (int x = 0; x < l.width; ++x, out += 4) {
    if (l.bits <= 8) {
      const int perByte = 8 / l.bits;
      const int shift = 8 - l.bits * (x % perByte + 1);
      const uint32_t index = (src[x / perByte] >> shift) & ((1u << l.bits) - 1);
      const uint8_t* c = index < paletteCount ? palette + index * 4 : nullptr;
      out[0] = c ? c[0] : 0, out[1] = c ? c[1] : 0, out[2] = c ? c[2] : 0;
    } else if (l.bits == 24) {
      std::memcpy(out, src + x * 3, 3);
    } else {
      const uint32_t v = l.bits == 16 ? U16(src + x * 2) : U32(src + x * 4);
      out[0] = Channel(v, l.masks[2]), out[1] = Channel(v, l.masks[1]),
      out[2] = Channel(v, l.masks[0]);
    }
    out[3] = 255;
  }
}

}  // namespace

int BmpHeader(const uint8_t* data, size_t size, Header* header) {
  BmpLayout l;
  const int result = ReadLayout(data, size, &l);
  if (result != kSuccess) return result == kErrorFormat ? OtherHeader(data, size, header) : result;
  header->format = kFormatBmp;
  header->width = l.width;
  header->height = l.height < 0 ? -l.height : l.height;
  header->bitsPerPixel = l.bits;
  return kSuccess;
}

// An uncompressed picture keeps every row in the file; compressed ones go to the toolkit,
// which checks them itself.
bool BmpFitsInFile(const uint8_t* data, size_t size) {
  BmpLayout l;
  if (ReadLayout(data, size, &l) != kSuccess || !Supported(l)) return true;
  const uint64_t height = l.height < 0 ? -static_cast<int64_t>(l.height) : l.height;
  return l.dataOffset <= size && l.stride * height <= size - l.dataOffset;
}

int BmpDecode(const uint8_t* data, size_t size, BitmapHandle* bitmap) {
  BmpLayout l;
  int result = ReadLayout(data, size, &l);
  if (result == kErrorFormat || (result == kSuccess && !Supported(l)))
    return OtherDecode(data, size, bitmap);
  if (result != kSuccess || !ReadMasks(data, size, &l)) return kErrorCorrupt;
  const int height = l.height < 0 ? -l.height : l.height;
  if (!WithinLimits(l.width, height)) return kErrorTooLarge;
  if (l.dataOffset > size || l.stride * height > size - l.dataOffset) return kErrorCorrupt;
  const size_t paletteAt = kFileHeaderBytes + l.headerSize;
  uint32_t paletteCount = l.bits <= 8 ? (l.paletteCount != 0 ? l.paletteCount : 1u << l.bits) : 0;
  if (paletteAt > l.dataOffset)
    paletteCount = 0;
  else
    paletteCount = std::min<uint32_t>(paletteCount, (l.dataOffset - paletteAt) / 4);
  // Rows go to the handle as they are decoded, in the file's order.
  RowSink sink(l.width, height, bitmap);
  for (int y = 0; y < height; ++y) {
    DecodeRow(data + l.dataOffset + y * l.stride, l, data + paletteAt, paletteCount, sink.Row());
    sink.RowDone();
  }
  bitmap->order = l.height < 0 ? kOrderTopDown : kOrderBottomUp;
  return kSuccess;
}

int BmpEncode(const BitmapHandle& b, int bitsPerPixel, bool grey, Buffer& out) {
  const int bits = bitsPerPixel == 32 ? 32 : (grey ? 8 : 24);
  const size_t stride = ((static_cast<size_t>(b.width) * bits + 31) / 32) * 4;
  const uint32_t paletteBytes = bits == 8 ? 1024 : 0;
  const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes + paletteBytes;
  const size_t imageBytes = stride * b.height;
  if (imageBytes + offset > UINT32_MAX) return kErrorTooLarge;
  out.Clear();
  out.Reserve(offset + imageBytes);
  out.Append("BM", 2);
  Put32(out, static_cast<uint32_t>(offset + imageBytes)), Put32(out, 0), Put32(out, offset);
  Put32(out, kInfoHeaderBytes), Put32(out, b.width), Put32(out, b.height);
  Put16(out, 1), Put16(out, static_cast<uint16_t>(bits)), Put32(out, kRgb);
  Put32(out, static_cast<uint32_t>(imageBytes)), Put32(out, 2835), Put32(out, 2835);
  Put32(out, bits == 8 ? 256 : 0), Put32(out, 0);
  for (uint32_t i = 0; i < paletteBytes / 4; ++i) {
    const uint8_t grey[4] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i),
                             static_cast<uint8_t>(i), 0};
    out.Append(grey, 4);
  }
  std::vector<uint8_t> row(stride, 0);
  for (int y = b.height - 1; y >= 0; --y) {
    const uint8_t* p = b.pixels + static_cast<size_t>(y) * b.bytesPerLine;
    for (int x = 0; x < b.width; ++x) {
      if (bits == 32)
        std::memcpy(&row[x * 4], p + x * 4, 4), row[x * 4 + 3] = 255;
      else if (bits == 24)
        std::memcpy(&row[x * 3], p + x * 4, 3);
      else
        row[x] = p[x * 4];
    }
    out.Append(row.data(), row.size());
  }
  return kSuccess;
}

}  // namespace imaging::detail
