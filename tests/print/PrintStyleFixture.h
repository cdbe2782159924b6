// An initialised application on a user of its own, so that each test starts from an empty
// album registry key; and a style with a value in every field that differs from its default.
#pragma once

#include <gtest/gtest.h>

#include "print/CPrintFormat.h"
#include "tests/support/AlbumFixture.h"

class PrintStyleFixture : public AlbumFixture {
 protected:
  void SetUp() override {
    user_ = testing::UnitTest::GetInstance()->current_test_info()->name();
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    ASSERT_TRUE(TheApp().MakeUserRegistryKey());
  }

  static int RawInt(const char* key, const char* name) {
    return TheApp().ReadInt(key, name, -12345);
  }
  static void PutRaw(const char* key, const char* name, int value) {
    TheApp().WriteInt(key, name, value);
  }
};

inline void FillFont(CPrintFont& font, int seed) {
  font.faceName = cp932::Lit("ＭＳ 明朝") + std::to_string(seed);
  font.point = 90 + seed;
  font.color = 0x00102030u + static_cast<COLORREF>(seed);
  font.bold = font.italic = font.strikeOut = font.underline = 1;
  font.charSet = 128;
}

inline void FillParam(CPrintParam& p, int seed) {
  CPrintPhotoOption& o = p.photoOption;
  o.namePosition = o.datePosition = 1;
  o.nameVisible = o.dateVisible = o.memoVisible = 0;
  o.memoPosition = 4;
  o.memoAlternate = o.stretch = o.scaleOver = 1;
  o.memoLeaningX = 2;
  o.memoLeaningY = 1;
  o.memoWidth = -3;
  FillFont(o.nameFont, seed + 1);
  FillFont(o.dateFont, seed + 2);
  FillFont(o.memoFont, seed + 3);
  p.spaceSizeX = 11 + seed;
  p.spaceSizeY = 12;
  p.photoSizeX = 13;
  p.photoSizeY = 14;
  p.SetCells(3, 7);
  p.autoSpaceSize = p.autoColRowCnt = p.indexEvenRowShunt = 1;
  p.autoPhotoSize = 0;
  p.calendarArea = 3;
  p.calendarWidth = -3;
  p.calendarDateType = 2;
  p.calendarStartYear = 2031;
  p.calendarStartMonth = -2;
  p.calendarMonthCount = 12;
  p.calendarPhotoCount = 4;
  p.calendarFrame = 0;
  p.calendarLogoType = 1;
  for (int i = 0; i < CPrintParam::kColorCount; ++i) p.calendarWeekColor[i] = 0x00ABCD00u + i;
  FillFont(p.calendarFont, seed + 4);
}

inline CPrintFormat FilledStyle() {
  CPrintFormat s;
  s.name = cp932::Lit("年賀状ｽﾀｲﾙ");
  s.attr = CPrintFormat::kCalendar;
  s.mix = 1;
  s.mixLine = 0;
  s.mixWidth = 555;
  CPrintPaper& paper = s.paper;
  paper.header.text = "&p of &s";
  paper.header.show = 0;
  paper.header.position = 9;
  FillFont(paper.header.font, 10);
  paper.footer.text = cp932::Lit("フッター &d");
  paper.footer.position = 16;
  FillFont(paper.footer.font, 20);
  paper.enableArea = 0;
  paper.leaningX = 2;
  paper.leaningY = 1;
  paper.vLine = 0;
  paper.sizeId = 43;
  paper.SetMargins(1, 2, 3, 4);
  FillParam(s.paramMain, 30);
  FillParam(s.paramSub, 40);
  return s;
}
