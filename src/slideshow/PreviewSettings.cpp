#include "slideshow/PreviewSettings.h"

#include <algorithm>

#include "host/CHarboPhotoApp.h"

namespace {

const char kSection[] = "PreviewInfo";

bool Switch(int value, bool fallback) {
  return value == 0 || value == 1 ? value == 1 : fallback;
}

struct Grid {
  int columns;
  int rows;
};

Grid GridFor(int count) {
  switch (preview::LayoutCount(count)) {
    case 2:
      return {2, 1};
    case 4:
      return {2, 2};
    case 6:
      return {3, 2};
    case 9:
      return {3, 3};
    default:
      return {1, 1};
  }
}

// The start and length of part i of a length split into parts with a line between them.
std::pair<int, int> Split(int length, int parts, int i) {
  const int usable = std::max(0, length - (parts - 1));
  const int base = usable / parts, extra = usable % parts;
  const int start = i * (base + 1) + std::min(i, extra);
  return {start, base + (i < extra ? 1 : 0)};
}

}  // namespace

const std::array<preview::Transition, 7> preview::kTransitions{{
    {"(なし)", 0},
    {"ワイプイン", 14004},
    {"ディゾルブ", 12005},
    {"ロール", 7005},
    {"スライドアウト", 6309},
    {"プッシュ", 5246},
    {"ドリップ", 10000},
}};

PreviewSettings PreviewSettings::Read() {
  CHarboPhotoApp& app = TheApp();
  PreviewSettings s;
  s.slideTick = app.ReadInt(kSection, "SlideTick", s.slideTick);
  s.loop = app.ReadInt(kSection, "SlideLoop", 0) == 1;
  s.reverse = app.ReadInt(kSection, "SlideReverse", 0) == 1;
  s.viewCount = app.ReadInt(kSection, "ViewCount", s.viewCount);
  s.viewSlide = app.ReadInt(kSection, "ViewSlide", 0) == 1;
  s.sizeAuto = Switch(app.ReadInt(kSection, "ImgSizeAuto", 1), true);
  s.showMemo = app.ReadInt(kSection, "ImgSizeMemo", 0) == 1;
  s.effect = app.ReadInt(kSection, "ImgDrawEffct", 0);
  return s.Clamped();
}

void PreviewSettings::Write() const {
  CHarboPhotoApp& app = TheApp();
  const PreviewSettings s = Clamped();
  app.WriteInt(kSection, "SlideTick", s.slideTick);
  app.WriteInt(kSection, "SlideLoop", s.loop ? 1 : 0);
  app.WriteInt(kSection, "SlideReverse", s.reverse ? 1 : 0);
  app.WriteInt(kSection, "ViewCount", s.viewCount);
  app.WriteInt(kSection, "ViewSlide", s.viewSlide ? 1 : 0);
  app.WriteInt(kSection, "ImgSizeAuto", s.sizeAuto ? 1 : 0);
  app.WriteInt(kSection, "ImgSizeMemo", s.showMemo ? 1 : 0);
  app.WriteInt(kSection, "ImgDrawEffct", s.effect);
}

PreviewSettings PreviewSettings::Clamped() const {
  PreviewSettings s = *this;
  s.slideTick = std::clamp(slideTick, kMinTick, kMaxTick);
  s.viewCount = preview::LayoutCount(viewCount);
  if (!preview::IsTransitionCode(effect)) s.effect = 0;
  return s;
}

bool preview::IsTransitionCode(int code) {
  return std::any_of(kTransitions.begin(), kTransitions.end(),
                     [code](const Transition& t) { return t.code == code; });
}

int preview::LayoutCount(int count) {
  const int clamped = std::clamp(count, 1, 9);
  int layout = 1;
  for (int n : kViewCounts)
    if (n <= clamped) layout = n;
  return layout;
}

int preview::NextIndex(int current, int count, int step) {
  return current + step < count ? current + step : 0;
}

// Before the first screen comes the last one, which starts at a multiple of the step.
int preview::PreviousIndex(int current, int count, int step) {
  if (current - step >= 0) return current - step;
  if (current > 0) return 0;
  if (count <= 0 || step <= 0) return 0;
  return count - ((count - 1) % step) - 1;
}

int preview::ZoomIn(int percent) {
  if (percent >= 300) return -1;
  if (percent >= 150) return 300;
  if (percent >= 100) return 150;
  if (percent >= 75) return 100;
  return 75;
}

int preview::ZoomOut(int percent) {
  if (percent < 51) return -1;
  if (percent < 76) return 50;
  if (percent <= 100) return 75;
  if (percent < 151) return 100;
  return 150;
}

RECT preview::CellRect(const RECT& area, int count, int index) {
  const Grid grid = GridFor(count);
  const auto [x, w] = Split(area.right - area.left, grid.columns, index % grid.columns);
  const auto [y, h] = Split(area.bottom - area.top, grid.rows, index / grid.columns);
  return RECT{area.left + x, area.top + y, area.left + x + w, area.top + y + h};
}
