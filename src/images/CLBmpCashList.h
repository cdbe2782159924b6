// The process-wide list of bitmaps that hold decoded pixels, in the order they were
// loaded, with a byte budget: adding a bitmap frees the ones loaded longest ago until the
// new one fits. A hit does not move an entry.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/imaging/Imaging.h"

class CLBitmap;

class CLBmpCashList {
 public:
  static constexpr uint32_t kMinBudget = 1u << 20;  // 1 MiB
  // 64 MiB, and never more than an eighth of the process's pixel memory: charged at 3 bytes
  // a pixel, the cached pixels (4 bytes each) then take at most a sixth of it.
  static constexpr uint32_t kMaxBudget =
      static_cast<uint32_t>(std::min<size_t>(64u << 20, imaging::kPixelMemoryBound / 8));
  static constexpr uint32_t kBytesPerPixel = 3;

  explicit CLBmpCashList(uint32_t budget);
  ~CLBmpCashList();
  CLBmpCashList(const CLBmpCashList&) = delete;
  CLBmpCashList& operator=(const CLBmpCashList&) = delete;

  // The one list of the process, made on first use with the budget from the machine's
  // physical memory. It is never destroyed, so bitmaps that outlive static destruction
  // can still leave it.
  static CLBmpCashList& Instance();
  // One eighth of the physical memory, clamped to kMinBudget..kMaxBudget.
  static uint32_t BudgetForMemory(uint64_t physicalBytes);

  // Lists the bitmap at the tail, charging width x height x 3 bytes, after freeing bitmaps
  // from the head while the charge would exceed the budget.
  void Add(CLBitmap* bitmap);
  void Remove(CLBitmap* bitmap);
  // Whether the listed pixels serve a request for a width x height box.
  bool IsUsable(const CLBitmap* bitmap, int width, int height) const;

  bool Contains(const CLBitmap* bitmap) const;
  uint32_t budget() const { return budget_; }
  uint32_t bytesInUse() const { return bytesInUse_; }
  size_t count() const { return count_; }
  const CLBitmap* head() const { return head_; }
  // Changes the budget (tests); entries over it are freed at the next add.
  void SetBudget(uint32_t budget) { budget_ = budget; }
  // Frees every listed bitmap's pixels.
  void Clear();

 private:
  void Unlink(CLBitmap* bitmap);

  uint32_t budget_;
  uint32_t bytesInUse_ = 0;
  size_t count_ = 0;
  CLBitmap* head_ = nullptr;
  CLBitmap* tail_ = nullptr;
};
