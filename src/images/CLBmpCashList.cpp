#include "images/CLBmpCashList.h"

#include <unistd.h>

#include <algorithm>

#include "images/CLBitmap.h"
#include "platform/imaging/Imaging.h"

namespace {

uint64_t PhysicalMemory() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 0;
  return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
}

}  // namespace

CLBmpCashList::CLBmpCashList(uint32_t budget) : budget_(budget) {}

CLBmpCashList::~CLBmpCashList() {
  while (head_ != nullptr) Unlink(head_);
}

CLBmpCashList& CLBmpCashList::Instance() {
  static CLBmpCashList* const instance = new CLBmpCashList(BudgetForMemory(PhysicalMemory()));
  return *instance;
}

uint32_t CLBmpCashList::BudgetForMemory(uint64_t physicalBytes) {
  return static_cast<uint32_t>(std::clamp<uint64_t>(physicalBytes / 8, kMinBudget, kMaxBudget));
}

bool CLBmpCashList::Contains(const CLBitmap* bitmap) const {
  return bitmap != nullptr && bitmap->cacheListed_;
}

void CLBmpCashList::Add(CLBitmap* bitmap) {
  if (bitmap == nullptr) return;
  Remove(bitmap);
  const uint64_t cost = static_cast<uint64_t>(std::max(0, bitmap->bitmapWidth_)) *
                        static_cast<uint64_t>(std::max(0, bitmap->bitmapHeight_)) * kBytesPerPixel;
  while (head_ != nullptr && bytesInUse_ + cost > budget_) head_->Free(true);
  bitmap->cachePrev_ = tail_;
  bitmap->cacheNext_ = nullptr;
  (tail_ != nullptr ? tail_->cacheNext_ : head_) = bitmap;
  tail_ = bitmap;
  bitmap->cacheListed_ = true;
  // A single picture above the whole budget is charged at the budget: it is listed (the
  // album asked for it) and it goes first when anything else is loaded.
  bitmap->cacheCost_ = static_cast<uint32_t>(std::min<uint64_t>(cost, budget_));
  bytesInUse_ += bitmap->cacheCost_;
  ++count_;
}

void CLBmpCashList::Remove(CLBitmap* bitmap) {
  if (!Contains(bitmap)) return;
  bytesInUse_ -= std::min(bytesInUse_, bitmap->cacheCost_);
  bitmap->cacheCost_ = 0;
  Unlink(bitmap);
}

void CLBmpCashList::Unlink(CLBitmap* bitmap) {
  (bitmap->cachePrev_ != nullptr ? bitmap->cachePrev_->cacheNext_ : head_) = bitmap->cacheNext_;
  (bitmap->cacheNext_ != nullptr ? bitmap->cacheNext_->cachePrev_ : tail_) = bitmap->cachePrev_;
  bitmap->cachePrev_ = bitmap->cacheNext_ = nullptr;
  bitmap->cacheListed_ = false;
  --count_;
}

bool CLBmpCashList::IsUsable(const CLBitmap* bitmap, int width, int height) const {
  if (!Contains(bitmap) || !bitmap->HasPixels()) return false;
  const int bw = bitmap->bitmapWidth_, bh = bitmap->bitmapHeight_;
  if (bw <= 0 || bh <= 0) return false;
  if (bw == width || bh == height) return true;
  BitmapSize file = bitmap->FileSize();
  if (bitmap->adjustments_.TurnsSideways()) std::swap(file.width, file.height);
  if (bw == file.width && bh == file.height) return true;
  return bw >= width || bh >= height;
}

void CLBmpCashList::Clear() {
  while (head_ != nullptr) head_->Free(true);
}
