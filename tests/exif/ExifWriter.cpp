#include "tests/exif/ExifWriter.h"

namespace exif_test {
namespace {

uint32_t ElementBytes(uint16_t type) {
  static const uint32_t sizes[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
  return type < 13 ? sizes[type] : 1;
}

}  // namespace

int TiffWriter::Directory() {
  dirs_.emplace_back();
  return static_cast<int>(dirs_.size()) - 1;
}

void TiffWriter::Bytes(int dir, uint16_t tag, uint16_t type, const std::string& bytes) {
  const uint32_t count = static_cast<uint32_t>(bytes.size() / ElementBytes(type));
  dirs_[dir].entries.push_back({tag, type, count, bytes});
}

void TiffWriter::Shorts(int dir, uint16_t tag, std::vector<uint16_t> values, uint16_t type) {
  std::string data;
  for (uint16_t v : values) data += U16(v);
  Bytes(dir, tag, type, data);
}

void TiffWriter::Longs(int dir, uint16_t tag, std::vector<uint32_t> values, uint16_t type) {
  std::string data;
  for (uint32_t v : values) data += U32(v);
  Bytes(dir, tag, type, data);
}

void TiffWriter::Rationals(int dir, uint16_t tag, std::vector<Rational> values, uint16_t type) {
  std::string data;
  for (auto [num, den] : values) data += U32(num) + U32(den);
  Bytes(dir, tag, type, data);
}

void TiffWriter::Pointer(int dir, uint16_t tag, int target) {
  dirs_[dir].entries.push_back({tag, 4, 1, U32(0), target});
}

void TiffWriter::Raw(int dir, uint16_t tag, uint16_t type, uint32_t count, uint32_t field) {
  dirs_[dir].entries.push_back({tag, type, count, {}, -1, true, field});
}

std::string TiffWriter::U16(uint16_t v) const {
  const char hi = char(v >> 8), lo = char(v & 0xFF);
  return big_ ? std::string{hi, lo} : std::string{lo, hi};
}

std::string TiffWriter::U32(uint32_t v) const {
  const std::string hi = U16(uint16_t(v >> 16)), lo = U16(uint16_t(v & 0xFFFF));
  return big_ ? hi + lo : lo + hi;
}

// Offsets of the directories and of each entry's out-of-line value.
std::vector<uint32_t> TiffWriter::Place(const Layout& layout,
                                        std::vector<std::vector<uint32_t>>* values) const {
  const uint32_t pad = layout.oddOffsets ? 1 : 0;
  uint32_t at = 8;
  std::vector<uint32_t> dirAt(dirs_.size());
  values->assign(dirs_.size(), {});
  auto placeValues = [&](size_t d) {
    for (const Entry& e : dirs_[d].entries) {
      const bool outside = !e.raw && e.data.size() > 4;
      values->at(d).push_back(outside ? at + pad : 0);
      if (outside) at += pad + static_cast<uint32_t>(e.data.size());
    }
  };
  auto placeDirectory = [&](size_t d) {
    dirAt[d] = at + pad;
    at += pad + 2 + 12 * static_cast<uint32_t>(dirs_[d].entries.size()) + 4;
  };
  for (size_t d = 0; d < dirs_.size(); ++d) {
    if (!layout.valuesBeforeDirectories) placeDirectory(d);
    placeValues(d);
  }
  for (size_t d = 0; layout.valuesBeforeDirectories && d < dirs_.size(); ++d) placeDirectory(d);
  return dirAt;
}

std::string TiffWriter::DirectoryBytes(size_t d, const std::vector<uint32_t>& dirAt,
                                       const std::vector<uint32_t>& valueAt) const {
  std::string out = U16(static_cast<uint16_t>(dirs_[d].entries.size()));
  for (size_t i = 0; i < dirs_[d].entries.size(); ++i) {
    const Entry& e = dirs_[d].entries[i];
    std::string field = e.data.size() <= 4 ? e.data : U32(valueAt[i]);
    if (e.target >= 0) field = U32(dirAt[e.target]);
    if (e.raw) field = U32(e.field);
    field.resize(4, '\0');
    out += U16(e.tag) + U16(e.type) + U32(e.count) + field;
  }
  return out + U32(dirs_[d].next >= 0 ? dirAt[dirs_[d].next] : 0);
}

std::string TiffWriter::Build(const Layout& layout) const {
  std::vector<std::vector<uint32_t>> valueAt;
  const std::vector<uint32_t> dirAt = Place(layout, &valueAt);
  std::string block = std::string(big_ ? "MM" : "II") + U16(42) + U32(dirAt.empty() ? 0 : dirAt[0]);
  auto put = [&block](uint32_t at, const std::string& bytes) {
    if (block.size() < at + bytes.size()) block.resize(at + bytes.size(), '\0');
    block.replace(at, bytes.size(), bytes);
  };
  for (size_t d = 0; d < dirs_.size(); ++d) {
    put(dirAt[d], DirectoryBytes(d, dirAt, valueAt[d]));
    for (size_t i = 0; i < dirs_[d].entries.size(); ++i)
      if (valueAt[d][i] != 0) put(valueAt[d][i], dirs_[d].entries[i].data);
  }
  return block.substr(0, block.size() - std::min(truncate_, block.size()));
}

std::string Segment(uint8_t marker, const std::string& payload) {
  const size_t length = payload.size() + 2;
  return std::string{char(0xFF), char(marker), char(length >> 8), char(length & 0xFF)} + payload;
}

std::string ExifSegment(const std::string& tiff) {
  return Segment(0xE1, std::string("Exif\0\0", 6) + tiff);
}

std::string XmpSegment() {
  return Segment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 42));
}

std::string Jpeg(const std::vector<std::string>& segments) {
  std::string out = "\xFF\xD8";
  for (const std::string& s : segments) out += s;
  out += Segment(0xDB, std::string(65, '\x01'));
  out += Segment(0xC0, std::string("\x08\x00\x01\x00\x01\x01\x01\x11\x00", 9));
  out += Segment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6));
  return out + "\xFF\xE1\x12\x34\xFF\xD8\x00\xFF\xD9";
}

}  // namespace exif_test
