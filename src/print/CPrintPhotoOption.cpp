#include "print/CPrintPhotoOption.h"

#include "print/PrintSettings.h"

void CPrintPhotoOption::Load(const Cp932String& key) {
  const PrintSettingsKey values(key);
  namePosition = values.Byte("NamePostion", 0);
  nameVisible = values.Byte("NameVisible", 1);
  nameFont.Load(values.Sub("NameFont"));
  datePosition = values.Byte("DatePostion", 0);
  dateVisible = values.Byte("DateVisible", 1);
  dateFont.Load(values.Sub("DateFont"));
  memoPosition = values.Byte("MemoPostion", 0);
  memoVisible = values.Byte("MemoVisible", 1);
  memoFont.Load(values.Sub("MemoFont"));
  memoAlternate = values.Byte("MemoAlternate", 0);
  memoLeaningX = values.Byte("MemoLeaningX", 0);
  memoLeaningY = values.Byte("MemoLeaningY", 0);
  memoWidth = values.Short("MemoWidth", kMemoSameAsPhoto);
  stretch = values.Byte("Stretch", 0);
  scaleOver = values.Byte("ScaleOver", 0);
}

bool CPrintPhotoOption::Save(const Cp932String& key) const {
  PrintSettingsKey values(key);
  values.Put("NamePostion", namePosition);
  values.Put("NameVisible", nameVisible);
  values.Put("DatePostion", datePosition);
  values.Put("DateVisible", dateVisible);
  values.Put("MemoPostion", memoPosition);
  values.Put("MemoVisible", memoVisible);
  values.Put("MemoAlternate", memoAlternate);
  values.Put("MemoLeaningX", memoLeaningX);
  values.Put("MemoLeaningY", memoLeaningY);
  values.Put("MemoWidth", memoWidth);
  values.Put("Stretch", stretch);
  values.Put("ScaleOver", scaleOver);
  values.Also(nameFont.Save(values.Sub("NameFont")));
  values.Also(dateFont.Save(values.Sub("DateFont")));
  values.Also(memoFont.Save(values.Sub("MemoFont")));
  return values.written();
}
