#include "exif/ExifSegment.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace exif {
namespace {

constexpr uint8_t kMarkerStart = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kApp1 = 0xE1;
// Bytes that may stand between segments: padding (some writers pad with zeros) and fill
// bytes FF before a marker. Beyond this the search gives up rather than scan a whole file.
constexpr uint64_t kMaxPaddingBytes = 256 * 1024;
// Real photos have a few dozen segments before the image data.
constexpr int kMaxSegments = 4096;
constexpr size_t kCopyPieceBytes = 1024;
constexpr char kExifIdentifier[6] = {'E', 'x', 'i', 'f', 0, 0};

// A marker found by the search: the position of its last FF byte and its code.
struct Marker {
  uint64_t start = 0;
  uint8_t code = 0;
};

// Reads the big-endian 16-bit value at pos.
bool ReadBigU16(ExifFileWindow& photo, uint64_t pos, uint32_t* value) {
  uint8_t bytes[2];
  if (!photo.Read(pos, bytes, 2)) return false;
  *value = bytes[0] * 256u + bytes[1];
  return true;
}

// The photo starts with the start-of-image marker.
bool ReadStartOfImage(ExifFileWindow& photo) {
  uint8_t bytes[2];
  return photo.Read(0, bytes, 2) && bytes[0] == kMarkerStart && bytes[1] == kStartOfImage;
}

// Reads the next marker from pos on: padding bytes are passed over up to the budget, and
// fill bytes FF before the code belong to the marker.
bool ReadMarker(ExifFileWindow& photo, uint64_t pos, uint64_t* paddingBudget, Marker* marker) {
  uint8_t byte = 0;
  uint8_t previous = 0;
  for (;; ++pos, previous = byte) {
    if (!photo.Read(pos, &byte, 1)) return false;
    if (previous == kMarkerStart && byte != kMarkerStart && byte != 0) break;
    if (byte != kMarkerStart || previous == kMarkerStart) {
      if (*paddingBudget == 0) return false;
      --*paddingBudget;
    }
  }
  marker->start = pos - 1;
  marker->code = byte;
  return true;
}

// Markers that stand alone, without a length.
bool HasNoLength(uint8_t code) {
  return code == 0x01 || (code >= 0xD0 && code <= 0xD7);
}

// The segment's identifier says it holds an Exif block.
bool HoldsExif(ExifFileWindow& photo, const SegmentPlace& segment) {
  char identifier[sizeof kExifIdentifier];
  if (segment.length < kSegmentOverheadBytes) return false;
  if (!photo.Read(segment.start + 4, identifier, sizeof identifier)) return false;
  return std::memcmp(identifier, kExifIdentifier, sizeof identifier) == 0;
}

}  // namespace

bool FindExifSegment(ExifFileWindow& photo, SegmentPlace* place) {
  if (!ReadStartOfImage(photo)) return false;
  uint64_t pos = 2;
  uint64_t paddingBudget = kMaxPaddingBytes;
  for (int segments = 0; segments < kMaxSegments; ++segments) {
    Marker marker;
    if (!ReadMarker(photo, pos, &paddingBudget, &marker)) return false;
    if (marker.code == kStartOfScan || marker.code == kEndOfImage) return false;
    pos = marker.start + 2;
    if (HasNoLength(marker.code)) continue;
    SegmentPlace segment{marker.start, 0};
    if (!ReadBigU16(photo, pos, &segment.length) || segment.length < 2) return false;
    if (marker.code == kApp1 && HoldsExif(photo, segment)) {
      *place = segment;
      return true;
    }
    pos += segment.length;
  }
  return false;
}

bool CopyTiffBlock(ExifFileWindow& photo, const SegmentPlace& place, ExifTempFile& copy) {
  if (place.length < kSegmentOverheadBytes) return false;
  std::array<uint8_t, kCopyPieceBytes> piece;
  uint64_t pos = place.start + kTiffBlockOffset;
  uint64_t left = place.length - kSegmentOverheadBytes;
  while (left > 0) {
    const size_t count = static_cast<size_t>(std::min<uint64_t>(left, piece.size()));
    if (!photo.Read(pos, piece.data(), count) || !copy.Append(piece.data(), count)) return false;
    pos += count;
    left -= count;
  }
  return true;
}

}  // namespace exif
