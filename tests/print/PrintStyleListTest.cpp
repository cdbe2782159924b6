// The user's list of styles: restored from the built-in set when empty, read densely when
// some keys hold no style, kept within 64, and edited with its current style.
#include <gtest/gtest.h>

#include "print/CPrintFormatSealList.h"
#include "print/CPrintFormats.h"
#include "tests/print/PrintStyleFixture.h"

namespace {

using cp932::Lit;

class PrintStyleList : public PrintStyleFixture {
 protected:
  static void SaveNamed(int index, const char* name) {
    CPrintFormat style;
    style.name = name;
    style.paramMain.cols = index + 1;
    style.Save(CPrintFormats::FormatKey(index));
  }
  static std::unique_ptr<CPrintFormat> Named(const char* name) {
    auto style = std::make_unique<CPrintFormat>();
    style->name = name;
    return style;
  }

  CPrintFormats list_;
};

TEST_F(PrintStyleList, AnEmptyRegistryGivesTheBuiltInStylesAndWritesTheirCount) {
  ASSERT_TRUE(list_.LoadList({2026, 5}));
  ASSERT_EQ(list_.count(), 10);
  EXPECT_EQ(list_.currentIndex(), 0);
  EXPECT_EQ(RawInt("Print", "FormatCount"), 10);
  EXPECT_EQ(list_.Get(10), nullptr);
}

TEST_F(PrintStyleList, TheBuiltInLabelStyleHasTheGeometryOfTheSixteenLabelSheet) {
  ASSERT_TRUE(list_.LoadList({2026, 5}));
  CPrintFormat fromSheet = *list_.Get(8);
  CPrintFormatSealList().Get(10)->ApplyTo(fromSheet);
  EXPECT_EQ(list_.Get(8)->name, Lit("シール16面印刷"));
  EXPECT_TRUE(fromSheet == *list_.Get(8));
}

TEST_F(PrintStyleList, RestoringTheBuiltInSetStartsFromTheSavedEasyPrintStyles) {
  CPrintFormat index;
  CPrintFormats::LoadEasyPrint(CPrintFormats::EasyPrint::kIndex, index);
  index.paper.SetMargins(77, 77, 77, 77);
  ASSERT_TRUE(CPrintFormats::SaveEasyPrint(CPrintFormats::EasyPrint::kIndex, index));
  SaveNamed(20, "old");
  EXPECT_EQ(CPrintFormats::WriteBuiltIn(), 10);
  EXPECT_TRUE(TheApp().ReadText("Print\\Format20", "Name", "x").empty());
  CPrintFormat first;
  ASSERT_EQ(first.Load(CPrintFormats::FormatKey(0), true), 1);
  EXPECT_EQ(first.paper.spaceLeft, 77);
}

TEST_F(PrintStyleList, NamelessStylesAreSkippedAndTheCurrentIndexFollows) {
  SaveNamed(0, "a");
  SaveNamed(2, "c");
  PutRaw("Print", "FormatCount", 3);
  PutRaw("Print", "FormatCur", 2);
  ASSERT_TRUE(list_.LoadList());
  ASSERT_EQ(list_.count(), 2);
  EXPECT_EQ(list_.Get(1)->name, "c");
  EXPECT_EQ(list_.Get(1)->paramMain.cols, 3);
  EXPECT_EQ(list_.currentIndex(), 1);
}

TEST_F(PrintStyleList, AtMostSixtyFourStylesAreRead) {
  for (int i = 0; i < 65; ++i) SaveNamed(i, "s");
  PutRaw("Print", "FormatCount", 200);
  PutRaw("Print", "FormatCur", -5);
  ASSERT_TRUE(list_.LoadList());
  EXPECT_EQ(list_.count(), 64);
  EXPECT_EQ(list_.currentIndex(), 0);
  EXPECT_EQ(list_.Add(Named("full"), true), -1);
  EXPECT_EQ(list_.count(), 64);
}

TEST_F(PrintStyleList, RemovingKeepsTheOrderAndTheCurrentIndex) {
  for (const char* name : {"a", "b", "c", "d"}) list_.Add(Named(name), false);
  list_.SetCurrent(3);
  CPrintFormat* b = list_.Get(1);
  const std::unique_ptr<CPrintFormat> taken = list_.Remove(b);
  ASSERT_EQ(taken.get(), b);
  ASSERT_EQ(list_.count(), 3);
  EXPECT_EQ(list_.Get(1)->name, "c");
  EXPECT_EQ(list_.Get(2)->name, "d");
  EXPECT_EQ(list_.currentIndex(), 3);
  EXPECT_EQ(list_.current(), nullptr);
  EXPECT_EQ(list_.Remove(b), nullptr);
  list_.SetCurrent(b);
  EXPECT_EQ(list_.currentIndex(), 3);
  list_.SetCurrent(list_.Get(0));
  EXPECT_EQ(list_.current()->name, "a");
  EXPECT_EQ(list_.Add(Named("e"), true), 3);
  EXPECT_EQ(list_.current()->name, "e");
}

TEST_F(PrintStyleList, ASavedListLoadsBackWithItsCurrentStyle) {
  for (const char* name : {"a", "b", "c"}) list_.Add(Named(name), false);
  list_.Get(2)->paramMain.rows = 9;
  list_.SetCurrent(2);
  ASSERT_TRUE(list_.SaveList());
  CPrintFormats loaded;
  ASSERT_TRUE(loaded.LoadList());
  ASSERT_EQ(loaded.count(), 3);
  EXPECT_EQ(loaded.currentIndex(), 2);
  EXPECT_TRUE(*loaded.current() == *list_.Get(2));
}

}  // namespace
