// The display adjustments of one photo: 13 bytes, packed, little-endian, the same in memory
// and in every stored copy. A record of all zeros shows the photo as it was read.
// The 16-bit fields are unaligned: copy one (int{r.contrast}) before handing it to anything
// that takes a reference, such as std::clamp or a test's EXPECT_EQ.
#pragma once

#include <cstdint>
#include <cstring>

#pragma pack(push, 1)
struct AdjustmentRecord {
  static constexpr size_t kBytes = 13;

  uint8_t invert = 0;            // 0 off, other on
  int16_t rotation = 0;          // degrees: 0, 90, 180 or 270
  int16_t saturation = 0;        // -1000..1000
  int16_t hue = 0;               // -360..360
  int16_t brightness = 0;        // -1000..1000
  int16_t contrast = 0;          // -1000..1000
  uint8_t colourOperation4 = 0;  // 0 off, other on (greyscale)
  uint8_t mosaicDivisor = 0;     // 0 or 1 off, 2..32 on

  // Reads the record from its 13 stored bytes.
  static AdjustmentRecord FromBytes(const uint8_t* bytes) {
    AdjustmentRecord r;
    r.invert = bytes[0];
    r.rotation = ReadI16(bytes + 1);
    r.saturation = ReadI16(bytes + 3);
    r.hue = ReadI16(bytes + 5);
    r.brightness = ReadI16(bytes + 7);
    r.contrast = ReadI16(bytes + 9);
    r.colourOperation4 = bytes[11];
    r.mosaicDivisor = bytes[12];
    return r;
  }

  // Writes the record as its 13 stored bytes.
  void ToBytes(uint8_t* bytes) const {
    bytes[0] = invert;
    WriteI16(bytes + 1, rotation);
    WriteI16(bytes + 3, saturation);
    WriteI16(bytes + 5, hue);
    WriteI16(bytes + 7, brightness);
    WriteI16(bytes + 9, contrast);
    bytes[11] = colourOperation4;
    bytes[12] = mosaicDivisor;
  }

  bool IsZero() const {
    return invert == 0 && rotation == 0 && saturation == 0 && hue == 0 && brightness == 0 &&
           contrast == 0 && colourOperation4 == 0 && mosaicDivisor == 0;
  }

  // True when the rotation turns the picture on its side, so width and height swap.
  bool TurnsSideways() const { return rotation % 180 == 90 || rotation % 180 == -90; }

  friend bool operator==(const AdjustmentRecord& a, const AdjustmentRecord& b) {
    return std::memcmp(&a, &b, kBytes) == 0;
  }

 private:
  static int16_t ReadI16(const uint8_t* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
  }
  static void WriteI16(uint8_t* p, int16_t v) {
    p[0] = static_cast<uint8_t>(static_cast<uint16_t>(v) & 0xFF);
    p[1] = static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8);
  }
};
#pragma pack(pop)

static_assert(sizeof(AdjustmentRecord) == AdjustmentRecord::kBytes);
