// Builds TIFF blocks and JPEG byte streams for the Exif tests, in either byte order and
// in the layouts real cameras and editors produce.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace exif_test {

using Rational = std::pair<uint32_t, uint32_t>;

struct Layout {
  bool valuesBeforeDirectories = false;  // every out-of-line value ahead of the directories
  bool oddOffsets = false;               // one padding byte before every directory and value
};

class TiffWriter {
 public:
  explicit TiffWriter(bool bigEndian) : big_(bigEndian) {}

  // Adds a directory and gives its number; directory 0 is the first.
  int Directory();
  void Bytes(int dir, uint16_t tag, uint16_t type, const std::string& bytes);
  void Ascii(int dir, uint16_t tag, const std::string& text) { Bytes(dir, tag, 2, text + '\0'); }
  void Shorts(int dir, uint16_t tag, std::vector<uint16_t> values, uint16_t type = 3);
  void Longs(int dir, uint16_t tag, std::vector<uint32_t> values, uint16_t type = 4);
  void Rationals(int dir, uint16_t tag, std::vector<Rational> values, uint16_t type = 5);
  // A pointer entry whose value is the offset of another directory.
  void Pointer(int dir, uint16_t tag, int target);
  // An entry written as given, whatever it claims.
  void Raw(int dir, uint16_t tag, uint16_t type, uint32_t count, uint32_t field);
  // The directory's next-directory offset names another directory.
  void Chain(int dir, int next) { dirs_[dir].next = next; }
  // Makes the block end this many bytes early.
  void Truncate(size_t bytes) { truncate_ = bytes; }

  std::string Build(const Layout& layout = {}) const;
  std::string U16(uint16_t v) const;
  std::string U32(uint32_t v) const;

 private:
  struct Entry {
    uint16_t tag, type;
    uint32_t count;
    std::string data;  // the value bytes in block order
    int target = -1;   // directory the value points to
    bool raw = false;
    uint32_t field = 0;
  };
  struct Dir {
    std::vector<Entry> entries;
    int next = -1;
  };
  std::vector<uint32_t> Place(const Layout& layout,
                              std::vector<std::vector<uint32_t>>* values) const;
  std::string DirectoryBytes(size_t d, const std::vector<uint32_t>& dirAt,
                             const std::vector<uint32_t>& valueAt) const;

  bool big_;
  std::vector<Dir> dirs_;
  size_t truncate_ = 0;
};

// A JPEG segment: FF, the marker, the big-endian length and the payload.
std::string Segment(uint8_t marker, const std::string& payload);
// The Exif segment for a TIFF block.
std::string ExifSegment(const std::string& tiff);
// SOI, the given segments, then a stub of tables, frame header, scan and EOI.
std::string Jpeg(const std::vector<std::string>& segments);
// An XMP segment, which shares the Exif segment's marker.
std::string XmpSegment();

}  // namespace exif_test
