#include "exif/ExifValueText.h"

#include <cstdio>
#include <string_view>

#include "exif/ExifGps.h"
#include "exif/ExifTagTable.h"

namespace exif {
namespace {

// A numeric code and the text it stands for.
struct Meaning {
  uint32_t code;
  const char* utf8;
};

constexpr Meaning kOrientations[] = {{1, "左上"}, {5, "左上"}, {2, "右上"}, {6, "右上"},
                                     {3, "右下"}, {7, "右下"}, {4, "左下"}, {8, "左下"}};
constexpr Meaning kResolutionUnits[] = {{1, "単位なし"}, {2, "インチ"}, {3, "センチ"}};
constexpr Meaning kPositionings[] = {{1, "中心"}, {2, "一致"}};
constexpr Meaning kColorSpaces[] = {{1, "sRGB"}, {65535, "Uncalibrated"}};
constexpr Meaning kAltitudeRefs[] = {{0, "海抜基準"}, {1, "海抜基準(負値)"}};
constexpr const char* kComponents[] = {"?", "Y", "Cb", "Cr", "R", "G", "B"};

Cp932String Unknown() {
  static const Cp932String text = cp932::Lit("不明");
  return text;
}

// The value's stored bytes, padded with zeros to at least four.
std::string FourBytes(const ExifValue& value) {
  std::string bytes = value.bytes.substr(0, 4);
  bytes.resize(4, '\0');
  return bytes;
}

// The text of the first number among the meanings; "不明" for any other number.
template <size_t N>
Cp932String MeaningOf(const ExifValue& value, const Meaning (&meanings)[N]) {
  if (value.numbers.empty()) return Unknown();
  for (const Meaning& m : meanings)
    if (m.code == value.numbers[0]) return cp932::Lit(m.utf8);
  return Unknown();
}

// GPS version: the four bytes as dotted numbers.
Cp932String VersionNumbers(const ExifValue& value) {
  const std::string b = FourBytes(value);
  char text[32];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", uint8_t(b[0]), uint8_t(b[1]), uint8_t(b[2]),
                uint8_t(b[3]));
  return text;
}

// Exif and FlashPix versions: the four bytes as characters, up to a zero byte.
Cp932String VersionLetters(const ExifValue& value) {
  const std::string b = FourBytes(value);
  return b.substr(0, b.find('\0'));
}

// Every byte in turn, a zero byte shown as a space (the character-code prefix included).
Cp932String SpacedBytes(const ExifValue& value) {
  Cp932String text = value.bytes;
  for (char& c : text)
    if (c == '\0') c = ' ';
  return text;
}

// GPS altitude reference: its first byte.
Cp932String AltitudeReference(const ExifValue& value) {
  if (value.bytes.empty()) return Unknown();
  ExifValue first;
  first.numbers = {uint8_t(value.bytes[0])};
  return MeaningOf(first, kAltitudeRefs);
}

// GPS altitude: a signed rational with four decimals.
Cp932String Altitude(const ExifValue& value) {
  if (value.numbers.size() < 2 || value.numbers[1] == 0) return Unknown();
  const double quotient = static_cast<int32_t>(value.numbers[0]) /
                          static_cast<double>(static_cast<int32_t>(value.numbers[1]));
  char text[64];
  std::snprintf(text, sizeof text, "%0.4f", quotient);
  return text;
}

// Resolutions: numerator/denominator as written.
Cp932String Resolution(const ExifValue& value) {
  if (value.numbers.size() < 2) return Unknown();
  return std::to_string(value.numbers[0]) + "/" + std::to_string(value.numbers[1]);
}

// Components configuration: the name of each of the four bytes up to the first zero.
Cp932String Components(const ExifValue& value) {
  Cp932String text;
  for (char c : FourBytes(value)) {
    const uint8_t code = uint8_t(c);
    if (code == 0) break;
    text += kComponents[code < std::size(kComponents) ? code : 0];
  }
  return text;
}

// Pixel dimensions: the number as its integer type says, signed types with their sign.
Cp932String Dimension(const ExifValue& value) {
  if (value.numbers.empty()) return Unknown();
  const uint32_t n = value.numbers[0];
  switch (value.type) {
    case 3:
    case 4:
      return std::to_string(n);
    case 8:
      return std::to_string(static_cast<int16_t>(n));
    case 9:
      return std::to_string(static_cast<int32_t>(n));
    default:
      return Unknown();
  }
}

}  // namespace

Cp932String AsciiText(const ExifValue& value) {
  return value.bytes.substr(0, value.bytes.find('\0'));
}

Cp932String ValueText(uint16_t t, const ExifValue& value) {
  switch (t) {
    case tag::kGpsVersion:
      return VersionNumbers(value);
    case tag::kExifVersion:
    case tag::kFlashPixVersion:
      return VersionLetters(value);
    case tag::kGpsLatitude:
    case tag::kGpsLongitude:
      return PositionText(value);
    case tag::kGpsAltitudeRef:
      return AltitudeReference(value);
    case tag::kGpsAltitude:
      return Altitude(value);
    case tag::kGpsTimeStamp:
      return TimeText(value);
    case tag::kGpsProcessingMethod:
    case tag::kGpsAreaInformation:
      return SpacedBytes(value);
    case tag::kOrientation:
      return MeaningOf(value, kOrientations);
    case tag::kXResolution:
    case tag::kYResolution:
      return Resolution(value);
    case tag::kResolutionUnit:
      return MeaningOf(value, kResolutionUnits);
    case tag::kYCbCrPositioning:
      return MeaningOf(value, kPositionings);
    case tag::kComponentsConfiguration:
      return Components(value);
    case tag::kColorSpace:
      return MeaningOf(value, kColorSpaces);
    case tag::kPixelXDimension:
    case tag::kPixelYDimension:
      return Dimension(value);
    case tag::kExifDirectory:
    case tag::kGpsDirectory:
      return {};
    default:
      return AsciiText(value);
  }
}

}  // namespace exif
