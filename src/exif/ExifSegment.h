// Finding a photo's Exif segment and copying its TIFF block out of the photo.
#pragma once

#include <cstdint>

#include "exif/ExifFileWindow.h"
#include "exif/ExifTempFile.h"

namespace exif {

// Where an Exif segment lies: the position of its marker and the segment length as the
// file states it (counting the two length bytes themselves).
struct SegmentPlace {
  uint64_t start = 0;
  uint32_t length = 0;
};

// Segment length minus the TIFF block: the length field and the "Exif\0\0" identifier.
constexpr uint32_t kSegmentOverheadBytes = 8;
// The TIFF block starts behind the marker, the length and the identifier.
constexpr uint64_t kTiffBlockOffset = 10;

// Walks the segments from the start of the photo to the first application segment 1 that
// holds an Exif block; false for a photo that is not a JPEG, that has no such segment
// before the image data, or whose segment headers are broken.
bool FindExifSegment(ExifFileWindow& photo, SegmentPlace* place);

// Copies the segment's TIFF block into the file in pieces; false when the photo ends
// before the segment does or the copy cannot be written.
bool CopyTiffBlock(ExifFileWindow& photo, const SegmentPlace& place, ExifTempFile& copy);

}  // namespace exif
