// Resampling on whole rows: a horizontal pass into a reused buffer, then a vertical pass
// that accumulates whole rows at once. Shrinking averages the covered area (a box filter
// with exact partial coverage); enlarging interpolates with Catmull-Rom.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/imaging/ImagingInternal.h"

namespace imaging::detail {
namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

// The source pixels and weights that make one output pixel.
struct Tap {
  int first = 0;
  int count = 0;
  int offset = 0;  // into the shared weight list
};

struct Taps {
  std::vector<Tap> taps;
  std::vector<int32_t> weights;
};

double CatmullRom(double x) {
  x = std::fabs(x);
  if (x < 1.0) return 1.5 * x * x * x - 2.5 * x * x + 1.0;
  if (x < 2.0) return -0.5 * x * x * x + 2.5 * x * x - 4.0 * x + 2.0;
  return 0.0;
}

// Turns real weights into fixed point that sums exactly to one.
void AppendFixed(const std::vector<double>& real, Taps& out) {
  double sum = 0;
  for (double w : real) sum += w;
  int total = 0;
  size_t largest = 0;
  for (size_t i = 0; i < real.size(); ++i) {
    const int w = static_cast<int>(std::lround(real[i] / sum * kWeightOne));
    out.weights.push_back(w);
    total += w;
    if (real[i] > real[largest]) largest = i;
  }
  out.weights[out.weights.size() - real.size() + largest] += kWeightOne - total;
}

// Area coverage of source pixels by each output pixel.
void AreaTaps(int from, int to, Taps& out) {
  const double scale = static_cast<double>(from) / to;
  std::vector<double> real;
  for (int i = 0; i < to; ++i) {
    const double start = i * scale;
    const double end = std::min<double>(from, start + scale);
    Tap tap{static_cast<int>(start), 0, static_cast<int>(out.weights.size())};
    real.clear();
    for (int j = tap.first; j < from && j < end; ++j)
      real.push_back(std::min<double>(j + 1, end) - std::max<double>(j, start));
    tap.count = static_cast<int>(real.size());
    AppendFixed(real, out);
    out.taps.push_back(tap);
  }
}

// Four-tap Catmull-Rom interpolation, clamped at the edges.
void CubicTaps(int from, int to, Taps& out) {
  const double scale = static_cast<double>(from) / to;
  std::vector<double> real;
  for (int i = 0; i < to; ++i) {
    const double centre = (i + 0.5) * scale - 0.5;
    const int base = static_cast<int>(std::floor(centre)) - 1;
    const int first = std::clamp(base, 0, from - 1);
    const int last = std::clamp(base + 3, 0, from - 1);
    real.assign(last - first + 1, 0.0);
    for (int k = 0; k < 4; ++k) {
      const int j = std::clamp(base + k, 0, from - 1);
      real[j - first] += CatmullRom(centre - (base + k));
    }
    out.taps.push_back({first, last - first + 1, static_cast<int>(out.weights.size())});
    AppendFixed(real, out);
  }
}

Taps MakeTaps(int from, int to) {
  Taps t;
  t.taps.reserve(to);
  if (from > to) {
    AreaTaps(from, to, t);
  } else {
    CubicTaps(from, to, t);
  }
  return t;
}

uint8_t ClampByte(int32_t v) {
  v = (v + kWeightOne / 2) >> kWeightBits;
  return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// One source row to its output width.
void HorizontalRow(const uint8_t* src, uint8_t* dst, const Taps& t) {
  for (size_t i = 0; i < t.taps.size(); ++i) {
    const Tap& tap = t.taps[i];
    const int32_t* w = t.weights.data() + tap.offset;
    const uint8_t* s = src + tap.first * 4;
    int32_t b = 0, g = 0, r = 0;
    for (int k = 0; k < tap.count; ++k, s += 4) {
      b += s[0] * w[k];
      g += s[1] * w[k];
      r += s[2] * w[k];
    }
    dst[i * 4] = ClampByte(b);
    dst[i * 4 + 1] = ClampByte(g);
    dst[i * 4 + 2] = ClampByte(r);
    dst[i * 4 + 3] = 255;
  }
}

// One output row from the weighted sum of whole intermediate rows.
void VerticalRow(const uint8_t* rows, size_t stride, size_t bytes, const Tap& tap, const int32_t* w,
                 int32_t* acc, uint8_t* dst) {
  std::fill(acc, acc + bytes, 0);
  for (int k = 0; k < tap.count; ++k) {
    const uint8_t* s = rows + static_cast<size_t>(tap.first + k) * stride;
    const int32_t weight = w[k];
    for (size_t x = 0; x < bytes; ++x) acc[x] += s[x] * weight;
  }
  for (size_t x = 0; x < bytes; ++x) dst[x] = ClampByte(acc[x]);
}

int LastOf(const Tap& tap) {
  return tap.first + tap.count - 1;
}

// How many output rows are being summed at once while the source rows stream in: a row
// stays open from its first source row to its last, and the rows that start before it
// ends open meanwhile. Both ends only move forward from row to row.
int OpenRowsAtOnce(const std::vector<Tap>& taps) {
  int most = 1;
  size_t j = 0;
  for (size_t i = 0; i < taps.size(); ++i) {
    j = std::max(j, i);
    while (j + 1 < taps.size() && taps[j + 1].first <= LastOf(taps[i])) ++j;
    most = std::max(most, static_cast<int>(j - i + 1));
  }
  return most;
}

}  // namespace

struct RowResampler::State {
  Taps across;
  Taps down;
  Canvas destination;
  size_t rowBytes;
  size_t slots;
  Buffer resampledAcross;  // the latest source row at the destination's width
  Buffer sums;             // int32 sums of the open output rows, one row per slot
  int nextSource = 0;
  int firstOpen = 0;

  State(int sourceWidth, int sourceHeight, const Canvas& d)
      : across(MakeTaps(sourceWidth, d.width)),
        down(MakeTaps(sourceHeight, d.height)),
        destination(d),
        rowBytes(static_cast<size_t>(d.width) * 4),
        slots(static_cast<size_t>(OpenRowsAtOnce(down.taps))) {
    resampledAcross.Resize(rowBytes);
    sums.Resize(slots * rowBytes * sizeof(int32_t));
    std::memset(sums.data(), 0, sums.size());
  }

  int32_t* Sum(int row) {
    return reinterpret_cast<int32_t*>(sums.data()) + (static_cast<size_t>(row) % slots) * rowBytes;
  }

  void Add(int row, int sourceRow) {
    const Tap& tap = down.taps[row];
    if (sourceRow > LastOf(tap)) return;
    const int32_t weight = down.weights[tap.offset + (sourceRow - tap.first)];
    const uint8_t* s = resampledAcross.data();
    int32_t* sum = Sum(row);
    for (size_t x = 0; x < rowBytes; ++x) sum[x] += s[x] * weight;
  }

  void Finish(int row) {
    int32_t* sum = Sum(row);
    uint8_t* out = destination.pixels + static_cast<size_t>(row) * destination.stride;
    for (size_t x = 0; x < rowBytes; ++x) out[x] = ClampByte(sum[x]);
    std::fill(sum, sum + rowBytes, 0);
  }
};

RowResampler::RowResampler(int sourceWidth, int sourceHeight, const Canvas& destination)
    : state_(std::make_unique<State>(sourceWidth, sourceHeight, destination)) {}

RowResampler::~RowResampler() = default;

void RowResampler::Push(const uint8_t* sourceRow) noexcept {
  State& s = *state_;
  const int rows = s.destination.height;
  const int y = s.nextSource++;
  HorizontalRow(sourceRow, s.resampledAcross.data(), s.across);
  for (int i = s.firstOpen; i < rows && s.down.taps[i].first <= y; ++i) s.Add(i, y);
  while (s.firstOpen < rows && LastOf(s.down.taps[s.firstOpen]) <= y) s.Finish(s.firstOpen++);
}

RowSink::RowSink(int width, int height, BitmapHandle* bitmap) : bitmap_(bitmap) {
  if (width == bitmap->width && height == bitmap->height) return;
  row_.Resize(static_cast<size_t>(width) * 4);
  resampler_ = std::make_unique<RowResampler>(width, height, CanvasOf(*bitmap));
}

RowSink::~RowSink() = default;

uint8_t* RowSink::Row() noexcept {
  if (resampler_) return row_.data();
  return bitmap_->pixels + static_cast<size_t>(next_) * bitmap_->bytesPerLine;
}

void RowSink::RowDone() noexcept {
  if (resampler_) resampler_->Push(row_.data());
  ++next_;
}

// Shrinking (or keeping) the height streams the rows through a RowResampler; enlarging it
// keeps every source row resampled across, which is no more than the destination itself.
void Resample(const Canvas& source, const Canvas& destination) {
  if (source.height >= destination.height) {
    RowResampler rows(source.width, source.height, destination);
    for (int y = 0; y < source.height; ++y) rows.Push(source.pixels + y * source.stride);
    return;
  }
  const Taps horizontal = MakeTaps(source.width, destination.width);
  const Taps vertical = MakeTaps(source.height, destination.height);
  const size_t rowBytes = static_cast<size_t>(destination.width) * 4;
  Buffer middle, acc;
  middle.Resize(rowBytes * source.height);
  acc.Resize(rowBytes * sizeof(int32_t));
  for (int y = 0; y < source.height; ++y)
    HorizontalRow(source.pixels + y * source.stride, middle.data() + y * rowBytes, horizontal);
  for (int y = 0; y < destination.height; ++y) {
    const Tap& tap = vertical.taps[y];
    VerticalRow(middle.data(), rowBytes, rowBytes, tap, vertical.weights.data() + tap.offset,
                reinterpret_cast<int32_t*>(acc.data()),
                destination.pixels + y * destination.stride);
  }
}

void PlaceIntoHandle(const Canvas& source, BitmapHandle* bitmap) {
  const Canvas target = CanvasOf(*bitmap);
  if (source.width == target.width && source.height == target.height) {
    for (int y = 0; y < source.height; ++y)
      std::memcpy(target.pixels + y * target.stride, source.pixels + y * source.stride,
                  static_cast<size_t>(source.width) * 4);
    return;
  }
  Resample(source, target);
}

void FlattenOverWhite(const Canvas& canvas) {
  for (int y = 0; y < canvas.height; ++y) {
    uint8_t* p = canvas.pixels + y * canvas.stride;
    for (int x = 0; x < canvas.width; ++x, p += 4) {
      const int a = p[3];
      if (a == 255) continue;
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<uint8_t>((p[c] * a + 255 * (255 - a) + 127) / 255);
      p[3] = 255;
    }
  }
}

}  // namespace imaging::detail

namespace imaging {

namespace {

int Resize(BitmapHandle* bitmap, int width, int height, int flags) {
  if (bitmap == nullptr || bitmap->structSize != sizeof(BitmapHandle)) return kErrorInvalidArgument;
  if (bitmap->pixels == nullptr) return kErrorNoBitmap;
  if (!detail::WithinLimits(width, height)) return kErrorInvalidArgument;
  if (width == bitmap->width && height == bitmap->height) return kSuccess;
  const bool enlarges = width > bitmap->width || height > bitmap->height;
  if (enlarges && (flags & kResizeMayEnlarge) == 0) return kErrorInvalidArgument;
  detail::NewPixels resized;
  if (!resized.Allocate(width, height)) return kErrorNoMemory;
  detail::Resample(detail::CanvasOf(*bitmap), detail::CanvasOf(resized.handle()));
  resized.ReplaceInto(bitmap);
  return kSuccess;
}

}  // namespace

int ResizeBitmap(BitmapHandle* bitmap, int width, int height, int flags) {
  return detail::Guarded([&] { return Resize(bitmap, width, height, flags); });
}

}  // namespace imaging
