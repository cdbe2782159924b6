// One file the album already has, given with a read request so that the transfer leaves it
// out: a name and a size, and a mask saying which of the two to compare.
#pragma once

#include <cstdint>

#include "platform/text/Cp932.h"

class CCdmaOptionFileInfo {
 public:
  static constexpr unsigned kCompareName = 1;
  static constexpr unsigned kCompareSize = 2;

  void Empty() { *this = CCdmaOptionFileInfo(); }
  void SetMaskNameAndSize() { mask_ = kCompareName | kCompareSize; }
  void SetName(const Cp932String& name) { name_ = name; }
  void SetSize(uint32_t size) { size_ = size; }

  unsigned GetMask() const { return mask_; }
  const Cp932String& GetName() const { return name_; }
  uint32_t GetSize() const { return size_; }

  // Whether a file on the phone is this one: names compare without regard to the case of
  // ASCII letters, sizes exactly; an entry without a mask matches nothing.
  bool Matches(const Cp932String& name, uint64_t size) const;

 private:
  unsigned mask_ = 0;
  Cp932String name_;
  uint32_t size_ = 0;
};
