// The preview's settings, kept under "PreviewInfo" in the album's settings: read (every
// value clamped or replaced by its default when out of range) when the preview opens and
// written when it closes. Also the transitions the settings offer and the stepping, zoom
// and layout rules of the preview.
#pragma once

#include <array>

#include "platform/win/WinTypes.h"

struct PreviewSettings {
  static constexpr int kMinTick = 100;
  static constexpr int kMaxTick = 60000;
  static constexpr int kZoomMin = 50;
  static constexpr int kZoomMax = 300;

  int slideTick = 500;  // milliseconds
  bool loop = false;
  bool reverse = false;
  int viewCount = 1;  // 1, 2, 4, 6 or 9
  bool viewSlide = false;
  bool sizeAuto = true;
  bool showMemo = false;
  int effect = 0;  // one of the transition codes

  static PreviewSettings Read();
  void Write() const;
  // The settings with every value brought into its range.
  PreviewSettings Clamped() const;
};

namespace preview {

struct Transition {
  const char* text;  // UTF-8 in the source
  int code;
};
// In the order the settings list shows them.
extern const std::array<Transition, 7> kTransitions;
bool IsTransitionCode(int code);

// The photo counts a screen can show, in the settings list's order.
constexpr std::array<int, 5> kViewCounts{1, 2, 4, 6, 9};
// A count of 1..9 as the nearest layout at or below it.
int LayoutCount(int count);

// The first index of the next or previous screen for a step over count photos.
int NextIndex(int current, int count, int step);
int PreviousIndex(int current, int count, int step);

// The next zoom percent in or out; -1 when the zoom is at its end (a beep).
int ZoomIn(int percent);
int ZoomOut(int percent);

// The cell of the index in the area split for the count: a one-pixel line between cells,
// pixels left over given one each to the first columns and rows.
RECT CellRect(const RECT& area, int count, int index);

}  // namespace preview
