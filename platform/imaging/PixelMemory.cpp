// The count of pixel memory against the process-wide bound, and the buffers charged to it.
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/imaging/ImagingInternal.h"

namespace imaging {
namespace {

std::atomic<size_t> held{0};
std::atomic<size_t> peak{0};
std::atomic<size_t> boundForTest{0};
std::atomic<int> failCountdown{0};

size_t Bound() {
  const size_t lowered = boundForTest.load();
  return lowered != 0 ? lowered : kPixelMemoryBound;
}

// Counts the bytes in when they fit under the bound.
bool TryCount(size_t bytes) {
  size_t now = held.load();
  do {
    if (bytes > Bound() || now > Bound() - bytes) return false;
  } while (!held.compare_exchange_weak(now, now + bytes));
  size_t top = peak.load();
  while (now + bytes > top && !peak.compare_exchange_weak(top, now + bytes)) {
  }
  return true;
}

// True once, on the allocation the test asked to fail.
bool InjectedFailure() {
  int n = failCountdown.load();
  while (n > 0 && !failCountdown.compare_exchange_weak(n, n - 1)) {
  }
  return n == 1;
}

}  // namespace

namespace detail {

void Charge(size_t bytes) {
  if (bytes == 0) return;
  if (InjectedFailure()) throw std::bad_alloc();
  if (TryCount(bytes)) return;
  EmptyPool();
  if (!TryCount(bytes)) throw std::bad_alloc();
}

size_t PixelBytesLeft() {
  const size_t now = held.load();
  return now < Bound() ? Bound() - now : 0;
}

void Uncharge(size_t bytes) {
  held.fetch_sub(bytes);
}

uint8_t* AllocateCharged(size_t bytes) {
  Charge(bytes);
  void* data = std::malloc(std::max<size_t>(bytes, 1));
  if (data == nullptr) {
    Uncharge(bytes);
    throw std::bad_alloc();
  }
  return static_cast<uint8_t*>(data);
}

void FreeCharged(uint8_t* data, size_t bytes) {
  if (data == nullptr) return;
  std::free(data);
  Uncharge(bytes);
}

void Buffer::Resize(size_t bytes) {
  if (bytes > capacity_) Grow(bytes);
  size_ = bytes;
}

void Buffer::Append(const void* bytes, size_t count) {
  if (count == 0) return;
  if (count > capacity_ - size_) Grow(size_ + std::max(count, size_ / 2));
  std::memcpy(data_ + size_, bytes, count);
  size_ += count;
}

bool Buffer::TryAppend(const void* bytes, size_t count) noexcept {
  try {
    Append(bytes, count);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

// The new block is charged before the old one is given back, as both live during the copy.
void Buffer::Grow(size_t atLeast) {
  uint8_t* grown = AllocateCharged(atLeast);
  if (size_ > 0) std::memcpy(grown, data_, size_);
  FreeCharged(data_, capacity_);
  data_ = grown;
  capacity_ = atLeast;
}

void Buffer::Release() {
  FreeCharged(data_, capacity_);
  data_ = nullptr;
  size_ = capacity_ = 0;
}

}  // namespace detail

size_t PixelBytesHeldForTest() {
  return held.load();
}

size_t PixelBytesPeakForTest() {
  return peak.load();
}

void ResetPixelBytesPeakForTest() {
  peak = held.load();
}

void FailNthAllocationForTest(int n) {
  failCountdown = std::max(0, n);
}

void SetPixelMemoryBoundForTest(size_t bytes) {
  boundForTest = bytes;
}

}  // namespace imaging
