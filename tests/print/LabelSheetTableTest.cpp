// The label sheet table: 33 postcard sheets whose margins, labels and spaces fill the
// sheet, two of them with a second group of labels.
#include <gtest/gtest.h>

#include "print/CPrintFormat.h"
#include "print/CPrintFormatSealList.h"

namespace {

int32_t Across(const CPrintSealSheet& s) {
  return s.spaceLeft + s.cols * s.photoSizeX + (s.cols - 1) * s.spaceSizeX + s.spaceRight;
}

int32_t Down(const CPrintSealSheet& s) {
  return s.spaceTop + s.rows * s.photoSizeY + (s.rows - 1) * s.spaceSizeY + s.spaceBottom;
}

TEST(LabelSheetTable, HoldsThirtyThreePostcardSheetsInTableOrder) {
  const CPrintFormatSealList table;
  ASSERT_EQ(table.count(), 33);
  EXPECT_EQ(table.Get(33), nullptr);
  EXPECT_EQ(table.Get(-1), nullptr);
  for (int i = 0; i < table.count(); ++i) {
    const CPrintSealSheet& s = *table.Get(i);
    EXPECT_EQ(s.number, i);
    EXPECT_EQ(s.sizeId, 43);
    EXPECT_EQ(s.vLine, 1);
    EXPECT_GE(s.makerGroup, 1);
    EXPECT_LE(s.makerGroup, 5);
  }
}

TEST(LabelSheetTable, LabelsFillTheSheetButForTheTwoSheetsStoredOtherwise) {
  const CPrintFormatSealList table;
  for (int i = 0; i < table.count(); ++i) {
    const CPrintSealSheet& s = *table.Get(i);
    if (s.mix != 0) continue;
    EXPECT_EQ(Across(s), i == 20 ? 1010 : 1000) << i;
    EXPECT_EQ(Down(s), i == 15 ? 1470 : 1480) << i;
  }
  const CPrintSealSheet& whole = *table.Get(19);
  EXPECT_EQ(whole.spaceLeft + whole.spaceTop + whole.spaceRight + whole.spaceBottom, 0);
  EXPECT_EQ(whole.photoSizeX * 10000 + whole.photoSizeY, 10001480);
}

TEST(LabelSheetTable, MixedSheetsCarryTheirSecondGroup) {
  const CPrintFormatSealList table;
  const CPrintSealSheet& longs = *table.Get(5);
  EXPECT_EQ(longs.mix, 1);
  EXPECT_EQ(longs.mixLine, 1);
  EXPECT_EQ(longs.mixWidth, longs.spaceTop + longs.rows * (longs.photoSizeY + longs.spaceSizeY));
  EXPECT_EQ(longs.subPhotoSizeX * 1000 + longs.subPhotoSizeY, 210620);
  EXPECT_EQ(longs.subCols * 10 + longs.subRows, 41);
  const CPrintSealSheet& mixed = *table.Get(8);
  EXPECT_EQ(mixed.mixLine, 0);
  EXPECT_EQ(mixed.mixWidth, 390);
  EXPECT_EQ(mixed.subCols * 10 + mixed.subRows, 26);
  EXPECT_EQ(mixed.subSpaceSizeX * 100 + mixed.subSpaceSizeY, 3020);
  // Only the first maker's single-group sheets keep second spaces.
  EXPECT_EQ(table.Get(0)->subSpaceSizeX + table.Get(0)->subSpaceSizeY, 40);
  EXPECT_EQ(table.Get(11)->subSpaceSizeX + table.Get(11)->subSpaceSizeY, 0);
  EXPECT_EQ(table.Get(0)->subCols + table.Get(0)->subPhotoSizeX + table.Get(0)->mixWidth, 0);
}

TEST(LabelSheetTable, ASheetMakesALabelStyleOnTheWholeSheet) {
  CPrintFormat style;
  CPrintFormatSealList().Get(8)->ApplyTo(style);
  EXPECT_EQ(style.attr, CPrintFormat::kSeal);
  EXPECT_EQ(style.paper.enableArea, 0);
  EXPECT_EQ(style.paper.sizeId, 43);
  EXPECT_EQ(style.paper.spaceBottom, 130);
  EXPECT_EQ(style.paramMain.autoPhotoSize, 0);
  EXPECT_EQ(style.paramMain.photoSizeY, 430);
  EXPECT_EQ(style.mix * 10 + style.mixLine, 10);
  EXPECT_EQ(style.mixWidth, 390);
  EXPECT_EQ(style.paramSub.cols * 10 + style.paramSub.rows, 26);
  EXPECT_EQ(style.paramSub.photoSizeY, 205);
}

}  // namespace
