// Bitmap handles and their pixel memory.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/imaging/ImagingInternal.h"

namespace imaging {
namespace {

// Freed buffers kept for the next load; a few, and never more than this many bytes.
constexpr size_t kPoolMaxBuffers = 3;
constexpr size_t kPoolMaxBytes = 96u << 20;
// Buffers below this size come cheaply from the allocator and are not pooled.
constexpr size_t kPoolMinBytes = 256u << 10;

struct PooledBuffer {
  uint8_t* data;
  size_t capacity;
};

// The pool frees what it still holds when the process ends.
struct BufferPool {
  std::vector<PooledBuffer> buffers;
  bool alive = true;
  ~BufferPool() {
    for (const auto& b : buffers) std::free(b.data);
    buffers.clear();
    alive = false;
  }
};

BufferPool& ThePool() {
  static BufferPool pool;
  return pool;
}

std::vector<PooledBuffer>& Pool() {
  return ThePool().buffers;
}

size_t PoolBytes() {
  size_t total = 0;
  for (const auto& b : Pool()) total += b.capacity;
  return total;
}

// Takes the smallest pooled buffer that holds the bytes, or allocates one.
PooledBuffer TakeBuffer(size_t bytes) {
  auto& pool = Pool();
  size_t best = pool.size();
  for (size_t i = 0; i < pool.size(); ++i) {
    if (pool[i].capacity >= bytes &&
        (best == pool.size() || pool[i].capacity < pool[best].capacity))
      best = i;
  }
  if (best != pool.size()) {
    PooledBuffer b = pool[best];
    pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(best));
    return b;
  }
  return {static_cast<uint8_t*>(std::malloc(bytes)), bytes};
}

// Keeps a freed buffer for reuse, dropping the smallest ones past the pool's limits.
void GiveBack(PooledBuffer buffer) {
  if (buffer.capacity < kPoolMinBytes || buffer.capacity > kPoolMaxBytes || !ThePool().alive) {
    std::free(buffer.data);
    return;
  }
  auto& pool = Pool();
  pool.push_back(buffer);
  while (pool.size() > kPoolMaxBuffers || PoolBytes() > kPoolMaxBytes) {
    size_t smallest = 0;
    for (size_t i = 1; i < pool.size(); ++i)
      if (pool[i].capacity < pool[smallest].capacity) smallest = i;
    std::free(pool[smallest].data);
    pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(smallest));
  }
}

bool ValidHandle(const BitmapHandle* b) {
  return b != nullptr && b->structSize == sizeof(BitmapHandle);
}

}  // namespace

namespace detail {

bool WithinLimits(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= kMaxPixels;
}

bool AllocatePixels(BitmapHandle* bitmap, int width, int height) {
  if (!WithinLimits(width, height)) return false;
  ReleasePixels(bitmap);
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  PooledBuffer b = TakeBuffer(bytes);
  if (b.data == nullptr) return false;
  bitmap->pixels = b.data;
  bitmap->capacity = b.capacity;
  bitmap->width = width;
  bitmap->height = height;
  bitmap->bytesPerLine = width * 4;
  return true;
}

void ReleasePixels(BitmapHandle* bitmap) {
  if (bitmap->pixels == nullptr) return;
  GiveBack({bitmap->pixels, bitmap->capacity});
  bitmap->pixels = nullptr;
  bitmap->capacity = 0;
}

std::vector<uint8_t>& Scratch() {
  thread_local std::vector<uint8_t> scratch;
  return scratch;
}

void TrimBuffer(std::vector<uint8_t>& buffer) {
  if (buffer.capacity() <= kKeepScratchBytes) return;
  buffer.clear();
  buffer.shrink_to_fit();
}

void TrimScratch() {
  TrimBuffer(Scratch());
}

Canvas ScratchCanvas(int width, int height) {
  std::vector<uint8_t>& scratch = Scratch();
  const size_t stride = static_cast<size_t>(width) * 4;
  if (scratch.size() < stride * static_cast<size_t>(height)) scratch.resize(stride * height);
  return {scratch.data(), width, height, stride};
}

bool IsGrey(const BitmapHandle& bitmap) {
  for (int y = 0; y < bitmap.height; ++y) {
    const uint8_t* p = bitmap.pixels + static_cast<size_t>(y) * bitmap.bytesPerLine;
    for (int x = 0; x < bitmap.width; ++x, p += 4)
      if (p[0] != p[1] || p[1] != p[2]) return false;
  }
  return true;
}

}  // namespace detail

int InitBitmap(BitmapHandle* bitmap, uint32_t structSize, int width, int height, int bitsPerPixel) {
  if (bitmap == nullptr || structSize != sizeof(BitmapHandle)) return kErrorInvalidArgument;
  if (bitmap->pixels != nullptr) detail::ReleasePixels(bitmap);
  *bitmap = BitmapHandle{};
  bitmap->structSize = structSize;
  if (!detail::WithinLimits(width, height)) return kErrorTooLarge;
  bitmap->width = width;
  bitmap->height = height;
  bitmap->bitsPerPixel = bitsPerPixel;
  bitmap->bytesPerLine = width * 4;
  return kSuccess;
}

void FreeBitmap(BitmapHandle* bitmap) {
  if (!ValidHandle(bitmap)) return;
  detail::ReleasePixels(bitmap);
}

int NormaliseRowOrder(BitmapHandle* destination, BitmapHandle* bitmap, uint32_t structSize,
                      int order) {
  if (destination != nullptr || !ValidHandle(bitmap) || structSize != sizeof(BitmapHandle))
    return kErrorInvalidArgument;
  if (bitmap->pixels == nullptr) return kErrorNoBitmap;
  if (order != kOrderTopDown && order != kOrderBottomUp) return kErrorInvalidArgument;
  if (bitmap->order == order) return kSuccess;
  // Either change of order is the same flip of the rows.
  std::vector<uint8_t> row(bitmap->bytesPerLine);
  for (int top = 0, bottom = bitmap->height - 1; top < bottom; ++top, --bottom) {
    uint8_t* a = bitmap->pixels + static_cast<size_t>(top) * bitmap->bytesPerLine;
    uint8_t* b = bitmap->pixels + static_cast<size_t>(bottom) * bitmap->bytesPerLine;
    std::memcpy(row.data(), a, row.size());
    std::memcpy(a, b, row.size());
    std::memcpy(b, row.data(), row.size());
  }
  bitmap->order = order;
  return kSuccess;
}

COLORREF GetPixelColor(const BitmapHandle* bitmap, int row, int column) {
  if (!ValidHandle(bitmap) || bitmap->pixels == nullptr) return 0;
  if (row < 0 || column < 0 || row >= bitmap->height || column >= bitmap->width) return 0;
  const int storedRow = bitmap->order == kOrderBottomUp ? bitmap->height - 1 - row : row;
  const uint8_t* p =
      bitmap->pixels + static_cast<size_t>(storedRow) * bitmap->bytesPerLine + column * 4;
  return static_cast<COLORREF>(p[2]) | (static_cast<COLORREF>(p[1]) << 8) |
         (static_cast<COLORREF>(p[0]) << 16);
}

void ReleaseBufferPool() {
  for (const auto& b : Pool()) std::free(b.data);
  Pool().clear();
}

}  // namespace imaging
