// The fixed tables of the drawing resources: the resource index ranges, the key names of
// the colour scheme file, the built-in (green) colours and the fonts of each index.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/gdi/GdiObjects.h"

namespace drawres {

// Resource indices: 0..30 the system colours, 100..499 the suite's colours (each also a
// pen, brush and font slot), 500 and above the bitmap file names of frame parts.
constexpr int32_t kNoIndex = -1;
constexpr int32_t kLastSystemIndex = 30;
constexpr int32_t kFirstSuiteIndex = 100;
constexpr int32_t kFirstBitmapIndex = 500;

constexpr int32_t kMenuIndex = 4;
constexpr int32_t k3DFaceIndex = 15;
constexpr int32_t kWinBackIndex = 106;
constexpr int32_t kCtrlFontIndex = 114;
constexpr int32_t kCalMinuteBorderIndex = 158;

struct KeyName {
  std::string_view name;
  int32_t index;
};

// All 122 key names, several system names sharing an index.
std::span<const KeyName> KeyNames();
// The index of a key name (exact, case-sensitive), or kNoIndex.
int32_t IndexOfKeyName(std::string_view name);

// Where an index's built-in colour comes from.
struct DefaultColor {
  enum class Kind { kSystem, kFixed, kFollows };
  Kind kind = Kind::kSystem;
  COLORREF color = 0;   // kFixed
  int32_t follows = 0;  // kFollows: the index whose current colour it takes
};
DefaultColor DefaultColorOf(int32_t index);

// The logical font of an index (default character set, sizes in device units at 96 dots
// an inch).
LOGFONTA FontOf(int32_t index);

}  // namespace drawres
