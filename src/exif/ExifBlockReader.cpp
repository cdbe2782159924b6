#include "exif/ExifBlockReader.h"

namespace {

constexpr uint16_t kTiffMagic = 42;
// Values of at most this many bytes sit in the entry's own field.
constexpr uint64_t kInlineValueBytes = 4;

// Bytes per element of each entry type 1..12; 0 for types that do not exist.
uint32_t ElementBytes(uint16_t type) {
  static constexpr uint32_t kSizes[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
  return type < 13 ? kSizes[type] : 0;
}

// Types whose elements are pairs of 32-bit words: rationals and doubles.
bool IsPairType(uint16_t type) {
  return type == 5 || type == 10 || type == 12;
}

}  // namespace

// The block starts with "II" (little-endian) or "MM" (big-endian), then 42, then the
// offset of directory 0.
bool ExifBlockReader::ReadHeader(uint32_t* firstDirectory) {
  char order[2];
  if (block_ == nullptr || !block_->Read(0, order, 2)) return false;
  if (order[0] != order[1] || (order[0] != 'I' && order[0] != 'M')) return false;
  bigEndian_ = order[0] == 'M';
  uint16_t magic = 0;
  if (!ReadU16(2, &magic) || magic != kTiffMagic) return false;
  return ReadU32(4, firstDirectory);
}

bool ExifBlockReader::ReadU16(uint64_t pos, uint16_t* value) {
  uint8_t bytes[2];
  if (block_ == nullptr || !block_->Read(pos, bytes, 2)) return false;
  *value = static_cast<uint16_t>(Word16(bytes));
  return true;
}

bool ExifBlockReader::ReadU32(uint64_t pos, uint32_t* value) {
  uint8_t bytes[4];
  if (block_ == nullptr || !block_->Read(pos, bytes, 4)) return false;
  *value = Word32(bytes);
  return true;
}

// Tag, type, count, then the value or the offset of the value.
bool ExifBlockReader::ReadEntry(uint64_t pos, ExifEntry* entry) {
  uint8_t bytes[kEntryBytes];
  if (block_ == nullptr || !block_->Read(pos, bytes, kEntryBytes)) return false;
  entry->tag = static_cast<uint16_t>(Word16(bytes));
  entry->type = static_cast<uint16_t>(Word16(bytes + 2));
  entry->count = Word32(bytes + 4);
  entry->valueOrOffset = Word32(bytes + 8);
  entry->fieldPos = pos + 8;
  return true;
}

// The value's byte size is count times the element size, counted in 64 bits so that no
// count can wrap it; the block bounds it long before memory does.
bool ExifBlockReader::ReadValue(const ExifEntry& entry, ExifValue* value) {
  const uint32_t element = ElementBytes(entry.type);
  if (element == 0 || block_ == nullptr) return false;
  const uint64_t byteSize = uint64_t{entry.count} * element;
  if (byteSize > block_->size()) return false;
  const uint64_t pos = byteSize <= kInlineValueBytes ? entry.fieldPos : entry.valueOrOffset;
  value->type = entry.type;
  value->count = entry.count;
  value->bytes.resize(static_cast<size_t>(byteSize));
  if (!block_->Read(pos, value->bytes.data(), value->bytes.size())) return false;
  DecodeNumbers(value);
  return true;
}

uint32_t ExifBlockReader::Word16(const uint8_t* b) const {
  return bigEndian_ ? b[0] * 256u + b[1] : b[1] * 256u + b[0];
}

uint32_t ExifBlockReader::Word32(const uint8_t* b) const {
  return bigEndian_ ? (Word16(b) << 16) | Word16(b + 2) : (Word16(b + 2) << 16) | Word16(b);
}

// Splits the stored bytes into elements of the type's width.
void ExifBlockReader::DecodeNumbers(ExifValue* value) const {
  const auto* bytes = reinterpret_cast<const uint8_t*>(value->bytes.data());
  const uint32_t element = ElementBytes(value->type);
  const uint32_t width = IsPairType(value->type) ? 4 : element;
  value->numbers.clear();
  for (size_t at = 0; at + width <= value->bytes.size(); at += width) {
    if (width == 1) value->numbers.push_back(bytes[at]);
    if (width == 2) value->numbers.push_back(Word16(bytes + at));
    if (width == 4) value->numbers.push_back(Word32(bytes + at));
  }
}
