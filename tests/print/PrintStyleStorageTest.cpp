// Styles through the registry: every field comes back, the values carry the names the
// album has always stored them under, and stored values outside a field's range read back
// cut to the field.
#include <gtest/gtest.h>

#include "print/CPrintFormats.h"
#include "tests/print/PrintStyleFixture.h"

namespace {

using cp932::Lit;

class PrintStyleStorage : public PrintStyleFixture {};

TEST_F(PrintStyleStorage, EveryFieldSurvivesASaveAndALoad) {
  const CPrintFormat saved = FilledStyle();
  ASSERT_TRUE(saved.Save("Print\\Format7"));
  CPrintFormat loaded;
  ASSERT_EQ(loaded.Load("Print\\Format7", true), 1);
  EXPECT_TRUE(loaded == saved);
  EXPECT_EQ(loaded.paper.footer.text, saved.paper.footer.text);
  EXPECT_EQ(loaded.paramSub.calendarFont.faceName, saved.paramSub.calendarFont.faceName);
  EXPECT_EQ(loaded.paper.header.role(), CPrintMarginText::kHeader);
  EXPECT_EQ(loaded.paper.footer.role(), CPrintMarginText::kFooter);
}

struct StoredValue {
  const char* key;
  const char* name;
  int value;
};

// The value names as other versions of the album read them, misspellings included.
TEST_F(PrintStyleStorage, ValuesAreStoredUnderTheirNames) {
  ASSERT_TRUE(FilledStyle().Save("Print\\Format0"));
  const StoredValue expected[] = {
      {"Print\\Format0", "Attr", 2},
      {"Print\\Format0", "Mix", 1},
      {"Print\\Format0", "MixLine", 0},
      {"Print\\Format0", "MixWidth", 555},
      {"Print\\Format0\\Paper", "EnableArea", 0},
      {"Print\\Format0\\Paper", "LeaningX", 2},
      {"Print\\Format0\\Paper", "LeaningY", 1},
      {"Print\\Format0\\Paper", "VLine", 0},
      {"Print\\Format0\\Paper", "SizeID", 43},
      {"Print\\Format0\\Paper", "SpaceLeft", 1},
      {"Print\\Format0\\Paper", "SpaceBottom", 4},
      {"Print\\Format0\\Paper\\Header", "Postion", 9},
      {"Print\\Format0\\Paper\\Header", "Show", 0},
      {"Print\\Format0\\Paper\\Footer\\Font", "Point", 110},
      {"Print\\Format0\\Paper\\Footer\\Font", "CharSet", 128},
      {"Print\\Format0\\Paper\\Footer\\Font", "StrikeOut", 1},
      {"Print\\Format0\\ParamMain", "SpaceSizeX", 41},
      {"Print\\Format0\\ParamMain", "Cols", 3},
      {"Print\\Format0\\ParamMain", "Rows", 7},
      {"Print\\Format0\\ParamMain", "AutoColRowCnt", 1},
      {"Print\\Format0\\ParamMain", "IndexEvenRowShunt", 1},
      {"Print\\Format0\\ParamMain", "CalendarWidth", -3},
      {"Print\\Format0\\ParamMain", "CalendarStartMonth", -2},
      {"Print\\Format0\\ParamMain", "CalendarWeekColor8", 0x00ABCD08},
      {"Print\\Format0\\ParamMain\\CalendarFont", "Color", 0x00102030 + 34},
      {"Print\\Format0\\ParamSub\\PhotoOption", "NamePostion", 1},
      {"Print\\Format0\\ParamSub\\PhotoOption", "MemoPostion", 4},
      {"Print\\Format0\\ParamSub\\PhotoOption", "MemoWidth", -3},
      {"Print\\Format0\\ParamSub\\PhotoOption", "ScaleOver", 1},
      {"Print\\Format0\\ParamSub\\PhotoOption\\MemoFont", "Point", 133},
  };
  for (const StoredValue& v : expected)
    EXPECT_EQ(RawInt(v.key, v.name), v.value) << v.key << " " << v.name;
  EXPECT_EQ(TheApp().ReadText("Print\\Format0\\Paper\\Footer", "Text", ""), Lit("フッター &d"));
  EXPECT_EQ(TheApp().ReadText("Print\\Format0\\ParamMain\\PhotoOption\\DateFont", "FaceName", ""),
            Lit("ＭＳ 明朝32"));
}

TEST_F(PrintStyleStorage, StoredValuesAreCutToTheirFieldsAndBadCharacterSetsReadAsOne) {
  ASSERT_TRUE(FilledStyle().Save("Print\\Format0"));
  PutRaw("Print\\Format0\\Paper", "VLine", 0x102);
  PutRaw("Print\\Format0\\Paper", "SizeID", 0x10000 + 43);
  PutRaw("Print\\Format0\\ParamMain", "CalendarStartYear", 0x10000 - 2);
  PutRaw("Print\\Format0\\ParamMain\\PhotoOption", "MemoWidth", 0x7FFFFFFE);
  PutRaw("Print\\Format0\\Paper\\Header\\Font", "CharSet", 300);
  PutRaw("Print\\Format0\\Paper\\Footer\\Font", "CharSet", -1);
  CPrintFormat s;
  ASSERT_EQ(s.Load("Print\\Format0", true), 1);
  EXPECT_EQ(s.paper.vLine, 2);
  EXPECT_EQ(s.paper.sizeId, 43);
  EXPECT_EQ(s.paramMain.calendarStartYear, -2);
  EXPECT_EQ(s.paramMain.photoOption.memoWidth, -2);
  EXPECT_EQ(s.paper.header.font.charSet, 1u);
  EXPECT_EQ(s.paper.footer.font.charSet, 1u);
}

TEST_F(PrintStyleStorage, AStyleWithoutANameIsNotReadWhenANameIsRequired) {
  CPrintFormat nameless = FilledStyle();
  nameless.name.clear();
  ASSERT_TRUE(nameless.Save("Print\\Format3"));
  CPrintFormat s;
  EXPECT_EQ(s.Load("Print\\Format3", true), 0);
  EXPECT_EQ(s.paramMain.cols, 5);
  EXPECT_EQ(s.Load("Print\\Format3", false), 1);
  EXPECT_EQ(s.paramMain.cols, 3);
}

TEST(PrintFont, OwnsItsFontAndCopiesOnlyTheDescription) {
  const size_t before = gdi::LiveObjectCountForTest();
  {
    CPrintFont font;
    FillFont(font, 10);
    font.faceName = std::string(40, 'A');
    HFONT made = font.BuildFont(720);
    ASSERT_NE(made, nullptr);
    LOGFONTA record;
    ASSERT_GT(GetObjectA(made, sizeof record, &record), 0);
    EXPECT_EQ(record.lfHeight, -100);
    EXPECT_EQ(record.lfWeight, FW_BOLD);
    EXPECT_EQ(record.lfCharSet, 128);
    EXPECT_EQ(std::string(record.lfFaceName).size(), LF_FACESIZE - 1);
    font.BuildFont(360);
    EXPECT_EQ(gdi::LiveObjectCountForTest(), before + 1);
    const CPrintFont copy = font;
    EXPECT_TRUE(copy == font);
    EXPECT_EQ(copy.font(), nullptr);
  }
  EXPECT_EQ(gdi::LiveObjectCountForTest(), before);
}

}  // namespace
