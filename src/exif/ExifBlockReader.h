// Reads the TIFF block of an Exif segment: the header, directory entries and their values,
// in the block's byte order. Every read is bounded by the block: an offset or a count that
// points outside it is a failed read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exif/ExifFileWindow.h"

// One 12-byte directory entry.
struct ExifEntry {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  uint32_t valueOrOffset = 0;
  // Position of the entry's own 4-byte value field in the block.
  uint64_t fieldPos = 0;
};

// The decoded value of one entry: its bytes as stored, and its elements as numbers in
// the machine's order. Integers give one number each (16-bit ones widened, signed ones
// kept as their bit pattern); rationals and doubles give two, numerator then denominator
// (for a double its two 32-bit halves in block order).
struct ExifValue {
  uint16_t type = 0;
  uint32_t count = 0;
  std::string bytes;
  std::vector<uint32_t> numbers;
};

class ExifBlockReader {
 public:
  static constexpr uint32_t kEntryBytes = 12;

  // Reads from the window, which must outlive the reader's use.
  void Attach(ExifFileWindow* block) { block_ = block; }
  uint64_t size() const { return block_ != nullptr ? block_->size() : 0; }

  // Reads the byte order mark and the number 42; gives the offset of directory 0.
  bool ReadHeader(uint32_t* firstDirectory);
  bool ReadU16(uint64_t pos, uint16_t* value);
  bool ReadU32(uint64_t pos, uint32_t* value);
  bool ReadEntry(uint64_t pos, ExifEntry* entry);
  // Decodes the entry's value into the buffer; false for a type outside 1..12 or a value
  // that does not lie wholly inside the block.
  bool ReadValue(const ExifEntry& entry, ExifValue* value);

 private:
  uint32_t Word16(const uint8_t* bytes) const;
  uint32_t Word32(const uint8_t* bytes) const;
  void DecodeNumbers(ExifValue* value) const;

  ExifFileWindow* block_ = nullptr;
  bool bigEndian_ = false;
};
