// The file record of one photo: 1060 bytes, packed and little-endian, exactly as each entry
// of the album database stores it (the 13 adjustment bytes follow it in the file).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the record is stored in memory order, which must be little-endian");

#pragma pack(push, 1)
struct PhotoFileRecord {
  static constexpr size_t kBytes = 1060;
  static constexpr size_t kPathField = 260;
  static constexpr size_t kSourceNameField = 260;
  static constexpr size_t kMemoField = 512;

  uint32_t flags;
  char path[kPathField];
  char sourceName[kSourceNameField];
  uint16_t year;
  uint16_t month;
  uint16_t day;
  uint16_t hour;
  uint16_t minute;
  uint16_t second;
  int32_t size;
  uint32_t favourites;
  uint16_t comboNumber;
  uint8_t reserved;
  uint8_t deleted;
  char memo[kMemoField];
};
#pragma pack(pop)

static_assert(sizeof(PhotoFileRecord) == PhotoFileRecord::kBytes);
static_assert(offsetof(PhotoFileRecord, year) == 524);
static_assert(offsetof(PhotoFileRecord, size) == 536);
static_assert(offsetof(PhotoFileRecord, memo) == 548);
