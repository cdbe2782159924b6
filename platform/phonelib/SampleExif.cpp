#include "platform/phonelib/SampleExif.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace phonelib {

namespace {

constexpr uint16_t kTypeByte = 1;
constexpr uint16_t kTypeAscii = 2;
constexpr uint16_t kTypeLong = 4;
constexpr uint16_t kTypeRational = 5;
constexpr uint16_t kTypeUndefined = 7;
constexpr uint32_t kTiffHeaderBytes = 8;

void Put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, static_cast<uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<uint16_t>(v >> 16));
}

// One image file directory: entries in tag order, values longer than four bytes after
// the entries.
class Ifd {
 public:
  void Add(uint16_t tag, uint16_t type, uint32_t count, std::string value) {
    entries_.push_back({tag, type, count, std::move(value)});
  }
  void AddAscii(uint16_t tag, const std::string& text) {
    Add(tag, kTypeAscii, static_cast<uint32_t>(text.size() + 1), text + '\0');
  }
  void AddLong(uint16_t tag, uint32_t value) {
    std::string bytes;
    Put32(bytes, value);
    Add(tag, kTypeLong, 1, bytes);
  }
  // Replaces the value of a four-byte entry (the folder pointers, known only later).
  void SetLong(uint16_t tag, uint32_t value) {
    for (Entry& e : entries_)
      if (e.tag == tag) e.value.clear(), Put32(e.value, value);
  }
  uint32_t Size() const {
    uint32_t size = 2 + 12 * static_cast<uint32_t>(entries_.size()) + 4;
    for (const Entry& e : entries_) size += e.value.size() > 4 ? Padded(e.value.size()) : 0;
    return size;
  }
  // Writes the folder as if it started at the offset from the TIFF header.
  void Write(std::string& out, uint32_t offset) const {
    uint32_t data = offset + 2 + 12 * static_cast<uint32_t>(entries_.size()) + 4;
    std::string values;
    Put16(out, static_cast<uint16_t>(entries_.size()));
    for (const Entry& e : entries_) WriteEntry(out, values, data, e);
    Put32(out, 0);
    out += values;
  }

 private:
  struct Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    std::string value;
  };
  static uint32_t Padded(size_t n) { return static_cast<uint32_t>((n + 1) & ~size_t{1}); }
  static void WriteEntry(std::string& out, std::string& values, uint32_t& data, const Entry& e) {
    Put16(out, e.tag);
    Put16(out, e.type);
    Put32(out, e.count);
    if (e.value.size() <= 4) {
      out += e.value + std::string(4 - e.value.size(), '\0');
      return;
    }
    Put32(out, data);
    values += e.value;
    if (e.value.size() % 2 != 0) values += '\0';
    data += Padded(e.value.size());
  }
  std::vector<Entry> entries_;
};

// Degrees as three rationals: whole degrees, whole minutes, seconds in hundredths.
std::string DegreesAsRationals(double degrees) {
  const double value = std::fabs(degrees);
  const auto whole = static_cast<uint32_t>(value);
  const double minutesExact = (value - whole) * 60;
  const auto minutes = static_cast<uint32_t>(minutesExact);
  const auto hundredths = static_cast<uint32_t>(std::lround((minutesExact - minutes) * 6000));
  std::string out;
  for (uint32_t part : {whole, 1u, minutes, 1u, hundredths, 100u}) Put32(out, part);
  return out;
}

Ifd GpsFolder(const GpsPosition& gps) {
  Ifd ifd;
  ifd.Add(0x0000, kTypeByte, 4, std::string("\x02\x03\x00\x00", 4));
  ifd.AddAscii(0x0001, gps.latitude >= 0 ? "N" : "S");
  ifd.Add(0x0002, kTypeRational, 3, DegreesAsRationals(gps.latitude));
  ifd.AddAscii(0x0003, gps.longitude >= 0 ? "E" : "W");
  ifd.Add(0x0004, kTypeRational, 3, DegreesAsRationals(gps.longitude));
  return ifd;
}

// The TIFF structure: header, IFD0, the Exif folder and the GPS folder, in that order.
std::string TiffBody(const ExifFields& fields) {
  Ifd ifd0;
  ifd0.AddAscii(0x010F, fields.make);
  ifd0.AddAscii(0x0110, fields.model);
  ifd0.AddLong(0x8769, 0);
  if (fields.gps) ifd0.AddLong(0x8825, 0);
  Ifd exif;
  exif.Add(0x9000, kTypeUndefined, 4, "0230");
  exif.AddAscii(0x9003, fields.dateTimeOriginal);
  const Ifd gps = fields.gps ? GpsFolder(*fields.gps) : Ifd();
  const uint32_t exifOffset = kTiffHeaderBytes + ifd0.Size();
  ifd0.SetLong(0x8769, exifOffset);
  ifd0.SetLong(0x8825, exifOffset + exif.Size());
  std::string out = "II*";
  out += '\0';
  Put32(out, kTiffHeaderBytes);
  ifd0.Write(out, kTiffHeaderBytes);
  exif.Write(out, exifOffset);
  if (fields.gps) gps.Write(out, exifOffset + exif.Size());
  return out;
}

}  // namespace

std::string MakeExifSegment(const ExifFields& fields) {
  const std::string body = std::string("Exif\0\0", 6) + TiffBody(fields);
  std::string segment = "\xFF\xE1";
  const auto length = static_cast<uint16_t>(body.size() + 2);
  segment += static_cast<char>(length >> 8);
  segment += static_cast<char>(length & 0xFF);
  return segment + body;
}

std::string InsertAfterStartOfImage(const std::string& jpeg, const std::string& segment) {
  if (jpeg.size() < 2 || jpeg.compare(0, 2, "\xFF\xD8") != 0) return jpeg;
  return jpeg.substr(0, 2) + segment + jpeg.substr(2);
}

}  // namespace phonelib
