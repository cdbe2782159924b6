#include "print/CPrintPaper.h"

#include <algorithm>

#include "print/PrintSettings.h"

void CPrintPaper::Load(const Cp932String& key) {
  const PrintSettingsKey values(key);
  header.Load(values.Sub("Header"));
  footer.Load(values.Sub("Footer"));
  enableArea = values.Byte("EnableArea", 1);
  leaningX = values.Byte("LeaningX", 0);
  leaningY = values.Byte("LeaningY", 0);
  vLine = values.Byte("VLine", 1);
  sizeId = values.Word("SizeID", 0);
  spaceLeft = values.Int("SpaceLeft", 0);
  spaceTop = values.Int("SpaceTop", 0);
  spaceRight = values.Int("SpaceRight", 0);
  spaceBottom = values.Int("SpaceBottom", 0);
  offsetX = std::clamp(values.Int("OffsetX", 0), -kMaxOffset, kMaxOffset);
  offsetY = std::clamp(values.Int("OffsetY", 0), -kMaxOffset, kMaxOffset);
}

bool CPrintPaper::Save(const Cp932String& key) const {
  PrintSettingsKey values(key);
  values.Put("EnableArea", enableArea);
  values.Put("LeaningX", leaningX);
  values.Put("LeaningY", leaningY);
  values.Put("VLine", vLine);
  values.Put("SizeID", sizeId);
  values.Put("SpaceLeft", spaceLeft);
  values.Put("SpaceTop", spaceTop);
  values.Put("SpaceRight", spaceRight);
  values.Put("SpaceBottom", spaceBottom);
  values.Put("OffsetX", offsetX);
  values.Put("OffsetY", offsetY);
  values.Also(header.Save(values.Sub("Header")));
  values.Also(footer.Save(values.Sub("Footer")));
  return values.written();
}

void CPrintPaper::SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  spaceLeft = left;
  spaceTop = top;
  spaceRight = right;
  spaceBottom = bottom;
}
