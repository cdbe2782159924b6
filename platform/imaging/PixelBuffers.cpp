// Bitmap handles and their pixel memory.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/imaging/ImagingInternal.h"

namespace imaging {
namespace {

// Freed buffers kept for the next load; a few, and never more than this many bytes.
constexpr size_t kPoolMaxBuffers = 3;
constexpr size_t kPoolMaxBytes = kPixelMemoryBound / 8;
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
    for (const auto& b : buffers) detail::FreeCharged(b.data, b.capacity);
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
  return {detail::AllocateCharged(bytes), bytes};
}

// Keeps a freed buffer for reuse, dropping the smallest ones past the pool's limits.
void GiveBack(PooledBuffer buffer) {
  if (buffer.capacity < kPoolMinBytes || buffer.capacity > kPoolMaxBytes || !ThePool().alive) {
    detail::FreeCharged(buffer.data, buffer.capacity);
    return;
  }
  auto& pool = Pool();
  pool.push_back(buffer);
  while (pool.size() > kPoolMaxBuffers || PoolBytes() > kPoolMaxBytes) {
    size_t smallest = 0;
    for (size_t i = 1; i < pool.size(); ++i)
      if (pool[i].capacity < pool[smallest].capacity) smallest = i;
    detail::FreeCharged(pool[smallest].data, pool[smallest].capacity);
    pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(smallest));
  }
}

bool ValidHandle(const BitmapHandle* b) {
  return b != nullptr && b->structSize == sizeof(BitmapHandle);
}

detail::Buffer& Scratch() {
  thread_local detail::Buffer scratch;
  return scratch;
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
  const PooledBuffer b = TakeBuffer(bytes);
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

void NewPixels::ReplaceInto(BitmapHandle* target) {
  ReleasePixels(target);
  target->pixels = handle_.pixels;
  target->capacity = handle_.capacity;
  target->width = handle_.width;
  target->height = handle_.height;
  target->bytesPerLine = handle_.bytesPerLine;
  handle_.pixels = nullptr;
  handle_.capacity = 0;
}

void EmptyPool() {
  for (const auto& b : Pool()) FreeCharged(b.data, b.capacity);
  Pool().clear();
}

Buffer& FileBuffer() {
  thread_local Buffer buffer;
  return buffer;
}

void TrimBuffer(Buffer& buffer) {
  buffer.Clear();
  if (buffer.capacity() > kKeepScratchBytes) buffer.Release();
}

void TrimScratch() {
  TrimBuffer(Scratch());
}

Canvas ScratchCanvas(int width, int height) {
  Buffer& scratch = Scratch();
  const size_t stride = static_cast<size_t>(width) * 4;
  const size_t bytes = stride * static_cast<size_t>(height);
  // The old contents are of no use: give the buffer back before taking a larger one.
  if (scratch.capacity() < bytes) scratch.Release();
  scratch.Resize(bytes);
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
  // Either change of order is the same flip of the rows, swapped in place.
  const size_t rowBytes = static_cast<size_t>(bitmap->bytesPerLine);
  for (int top = 0, bottom = bitmap->height - 1; top < bottom; ++top, --bottom) {
    uint8_t* a = bitmap->pixels + static_cast<size_t>(top) * rowBytes;
    uint8_t* b = bitmap->pixels + static_cast<size_t>(bottom) * rowBytes;
    std::swap_ranges(a, a + rowBytes, b);
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
  detail::EmptyPool();
  Scratch().Release();
  detail::FileBuffer().Release();
}

}  // namespace imaging
