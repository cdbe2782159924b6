// A small Exif block for generated photos: the maker and model of the camera, the time the
// photo was taken and, when known, where. The block is a JPEG APP1 segment holding a
// little-endian TIFF structure: IFD0 (Make, Model, pointers to the Exif and GPS folders),
// the Exif folder (version, DateTimeOriginal) and the GPS folder (latitude, longitude).
#pragma once

#include <optional>
#include <string>

namespace phonelib {

struct GpsPosition {
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
};

struct ExifFields {
  std::string make;
  std::string model;
  std::string dateTimeOriginal;  // "YYYY:MM:DD HH:MM:SS"
  std::optional<GpsPosition> gps;
};

// The whole APP1 segment, marker included.
std::string MakeExifSegment(const ExifFields& fields);

// The JPEG with the segment placed right after its start-of-image marker; the JPEG
// unchanged when it does not start with one.
std::string InsertAfterStartOfImage(const std::string& jpeg, const std::string& segment);

}  // namespace phonelib
