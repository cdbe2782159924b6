#include "platform/phonelib/CCdmaOptionFileInfo.h"

bool CCdmaOptionFileInfo::Matches(const Cp932String& name, uint64_t size) const {
  if (mask_ == 0) return false;
  if ((mask_ & kCompareName) != 0 && cp932::AsciiUpper(name) != cp932::AsciiUpper(name_))
    return false;
  return (mask_ & kCompareSize) == 0 || size == size_;
}
