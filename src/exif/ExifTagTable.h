// The tags the album reads: each shown tag with the label of its row, and the two tags
// that point to sub-directories. GPS tags and main tags share one table; a tag is
// recognised in whichever directory it stands.
#pragma once

#include <cstdint>

#include "platform/text/Cp932.h"

namespace exif {

enum class TagKind {
  kShown = 1,      // decoded, shown as a row
  kDirectory = 2,  // points to a sub-directory, shown as a heading
};

struct TagInfo {
  uint16_t tag;
  TagKind kind;
  const char* utf8Label;
};

namespace tag {
constexpr uint16_t kGpsVersion = 0;
constexpr uint16_t kGpsLatitudeRef = 1;
constexpr uint16_t kGpsLatitude = 2;
constexpr uint16_t kGpsLongitudeRef = 3;
constexpr uint16_t kGpsLongitude = 4;
constexpr uint16_t kGpsAltitudeRef = 5;
constexpr uint16_t kGpsAltitude = 6;
constexpr uint16_t kGpsTimeStamp = 7;
constexpr uint16_t kGpsMapDatum = 18;
constexpr uint16_t kGpsProcessingMethod = 27;
constexpr uint16_t kGpsAreaInformation = 28;
constexpr uint16_t kGpsDateStamp = 29;
constexpr uint16_t kImageDescription = 270;
constexpr uint16_t kMake = 271;
constexpr uint16_t kModel = 272;
constexpr uint16_t kOrientation = 274;
constexpr uint16_t kXResolution = 282;
constexpr uint16_t kYResolution = 283;
constexpr uint16_t kResolutionUnit = 296;
constexpr uint16_t kDateTime = 306;
constexpr uint16_t kYCbCrPositioning = 531;
constexpr uint16_t kExifDirectory = 34665;
constexpr uint16_t kGpsDirectory = 34853;
constexpr uint16_t kExifVersion = 36864;
constexpr uint16_t kDateTimeOriginal = 36867;
constexpr uint16_t kComponentsConfiguration = 37121;
constexpr uint16_t kFlashPixVersion = 40960;
constexpr uint16_t kColorSpace = 40961;
constexpr uint16_t kPixelXDimension = 40962;
constexpr uint16_t kPixelYDimension = 40963;
}  // namespace tag

// The table entry of a tag; null for every tag the album passes over.
const TagInfo* FindTag(uint16_t tag);

// The row label in code page 932, converted once.
const Cp932String& TagLabel(const TagInfo& info);

}  // namespace exif
