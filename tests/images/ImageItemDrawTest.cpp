// Drawing thumbnails: an item rendered into a memory bitmap and read back, the memo's line
// breaking, and a set that stops drawing at the first item below the visible band.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "host/CHarboPhotoApp.h"
#include "images/CImageItems.h"
#include "images/CLBmpCashList.h"
#include "images/MemoLines.h"
#include "platform/gdi/CDC.h"
#include "platform/win/SystemMetrics.h"
#include "tests/images/TestPictures.h"
#include "tests/support/TempDir.h"

namespace {

constexpr COLORREF kWindow = RGB(90, 90, 90);
constexpr COLORREF kSelect = RGB(255, 221, 51);
constexpr COLORREF kItemBack = RGB(255, 255, 255);
constexpr COLORREF kBorder = RGB(216, 216, 214);
constexpr COLORREF kMemoBack = RGB(245, 245, 207);

bool Near(COLORREF a, COLORREF b, int tolerance = 40) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// One item of size 80 with every caption, drawn at the origin: the item is 148 x 118, its
// picture square (3, 19)-(83, 99), the memo column (86, 19)-(146, 99), the date line's
// bottom at 116.
class ItemDraw : public testing::Test {
 protected:
  void SetUp() override {
    TheApp().drawObject()->Clear();
    CLBmpCashList::Instance().Clear();
    set_.SetImageSize(80);
    set_.SetStyleBits(0x0F);
  }
  // The drawing resources' pens and brushes go while the platform still keeps their handles.
  void TearDown() override { TheApp().drawObject()->Clear(); }

  CPhotoItem& Photo(QColor colour, int w = 400, int h = 300) {
    const std::string path = temp_.file("photo" + std::to_string(records_.size()) + ".jpg");
    testpictures::Write(testpictures::Solid(w, h, colour), path, "JPEG");
    CPhotoItem& r = Record(path, 4);
    r.SetDate(2024, 5, 7);
    return r;
  }
  CPhotoItem& Record(const std::string& path, uint32_t flags) {
    auto& r = records_.emplace_back(std::make_unique<CPhotoItem>());
    r->SetPath(path, false);
    r->SetFlags(flags);
    set_.AddRecord(r.get());
    return *r;
  }
  void Draw(int index = 0) { set_.style().DrawItem(*dc_, *set_.At(index), 0, 0); }
  COLORREF At(int x, int y) const { return dc_->GetPixel(x, y); }
  int Ink(const RECT& r, COLORREF background) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += !Near(At(x, y), background);
    return n;
  }

  TempDir temp_;
  std::vector<std::unique_ptr<CPhotoItem>> records_;
  CImageItems set_;
  std::unique_ptr<CDC> dc_ = CDC::CreateMemory(200, 150, kWindow);
};

TEST_F(ItemDraw, ASelectedItemIsFilledWithTheSelectionColourInsideItsBorder) {
  Photo(Qt::blue).SetSelected(1);
  Photo(Qt::blue);
  Draw(0);
  EXPECT_EQ(At(0, 0), kBorder);
  EXPECT_EQ(At(145, 115), kBorder) << "the box ends two pixels inside the cell";
  EXPECT_EQ(At(146, 50), kWindow);
  EXPECT_EQ(At(1, 50), kSelect);
  EXPECT_EQ(At(40, 21), kSelect) << "the square around a landscape picture";
  Draw(1);
  EXPECT_EQ(At(1, 50), kItemBack);
}

TEST_F(ItemDraw, ThePhotoFillsItsLandscapeOrPortraitBox) {
  Photo(Qt::blue);
  Photo(Qt::red, 300, 400);
  Draw(0);
  EXPECT_TRUE(Near(At(43, 59), RGB(0, 0, 255)));
  EXPECT_TRUE(Near(At(43, 30), RGB(0, 0, 255))) << "a landscape box of 80 x 60 from y 29";
  EXPECT_EQ(At(43, 27), kItemBack);
  Draw(1);
  EXPECT_TRUE(Near(At(43, 21), RGB(255, 0, 0)));
  EXPECT_TRUE(Near(At(14, 59), RGB(255, 0, 0))) << "a portrait box of 60 x 80 from x 13";
  EXPECT_EQ(At(11, 59), kItemBack);
}

TEST_F(ItemDraw, TheFavouriteMarkSitsInThePictureCornerOnlyForAFavourite) {
  Photo(Qt::blue);
  Photo(Qt::blue).SetFavourites(0x800);
  Draw(0);
  auto plain = std::exchange(dc_, CDC::CreateMemory(200, 150, kWindow));
  Draw(1);
  const auto differing = [&](const RECT& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += plain->GetPixel(x, y) != At(x, y);
    return n;
  };
  EXPECT_GT(differing(RECT{6, 22, 22, 38}), 80) << "16 x 16, 3 pixels inside the square";
  EXPECT_EQ(differing(RECT{0, 17, 200, 150}), differing(RECT{6, 22, 22, 38}))
      << "nothing else changes below the names, which differ";
}

TEST_F(ItemDraw, AMovieShowsItsTypeIconCentredInTheFilledSquare) {
  testpictures::WriteBytes(temp_.file("clip.3gp"), std::string("\0\0\0\x18"
                                                               "ftyp3gp4",
                                                               12));
  Record(temp_.file("clip.3gp"), 3);
  Draw();
  EXPECT_EQ(At(5, 21), kMemoBack);
  EXPECT_EQ(At(80, 96), kMemoBack);
  EXPECT_GT(Ink(RECT{27, 43, 59, 75}, kMemoBack), 100) << "a 32 x 32 icon in the middle";
}

TEST_F(ItemDraw, CaptionsShowTheNameTheRuledMemoAndTheRightAlignedDate) {
  CPhotoItem& r = Photo(Qt::blue);
  r.SetMemo(cp932::Lit("海で\r\n泳いだ"));
  Draw();
  EXPECT_GT(Ink(RECT{2, 1, 40, 16}, kItemBack), 10) << "the name";
  EXPECT_EQ(At(140, 33), kBorder) << "the first rule, 15 pixels down the memo";
  EXPECT_EQ(At(140, 48), kBorder);
  EXPECT_GT(Ink(RECT{88, 19, 120, 33}, kMemoBack), 10) << "the first memo line";
  EXPECT_GT(Ink(RECT{88, 34, 120, 48}, kMemoBack), 10) << "the line after the line feed";
  EXPECT_EQ(Ink(RECT{88, 49, 145, 63}, kMemoBack), 0);
  EXPECT_GT(Ink(RECT{80, 103, 143, 115}, kItemBack), 10) << "the date at the right";
  EXPECT_EQ(Ink(RECT{2, 103, 60, 115}, kItemBack), 0);
}

TEST_F(ItemDraw, AnUnknownDateLeavesTheDateLineEmpty) {
  Photo(Qt::blue).SetDate(CPhotoItem::kUnknown, CPhotoItem::kUnknown, CPhotoItem::kUnknown);
  Draw();
  EXPECT_EQ(Ink(RECT{2, 103, 143, 115}, kItemBack), 0);
  EXPECT_EQ(CImageStyle3::DateText(*records_[0]), "");
  records_[0]->SetDate(987, 1, 2);
  EXPECT_EQ(CImageStyle3::DateText(*records_[0]), "0987/01/02");
}

TEST_F(ItemDraw, DrawingASetStopsAtTheFirstItemBelowTheBand) {
  for (int i = 0; i < 30; ++i) Record("", 0);
  set_.Layout(GetSystemMetrics(SM_CXVSCROLL) + 3 * 148);
  auto screen = CDC::CreateMemory(444, 300, kWindow);
  // Rows of 118: the band 150..450 meets rows 1, 2 and 3.
  EXPECT_EQ(set_.Draw(*screen, RECT{0, 0, 444, 300}, 150), 9);
  set_.At(20)->SetPosition(0, 200);
  EXPECT_EQ(set_.Draw(*screen, RECT{0, 0, 444, 300}, 150), 9)
      << "an item after the first one below the band is not drawn, wherever it lies";
  EXPECT_EQ(set_.Draw(*screen, RECT{0, 0, 444, 300}, 0), 9) << "rows 0, 1 and 2";
}

TEST_F(ItemDraw, ADrawDecodesOnlyWithinItsBudgetAndLeavesTheRestAsEmptyBoxes) {
  for (int i = 0; i < 3; ++i) Photo(QColor(200, 30, 30));
  set_.Layout(GetSystemMetrics(SM_CXVSCROLL) + 3 * 148);
  auto screen = CDC::CreateMemory(444, 118, kWindow);
  const RECT client{0, 0, 444, 118};
  DecodeBudget one;
  one.decodes = 1;
  set_.style().SetDecodeBudget(one);
  EXPECT_EQ(set_.Draw(*screen, client, 0), 3) << "every item is drawn, decoded or not";
  EXPECT_EQ(set_.style().pendingDecodes(), 2);
  EXPECT_TRUE(Near(screen->GetPixel(43, 59), RGB(200, 30, 30)));
  EXPECT_TRUE(Near(screen->GetPixel(148 + 43, 59), kItemBack)) << "left for a later round";
  set_.style().SetDecodeBudget(one);
  set_.Draw(*screen, client, 0);
  EXPECT_EQ(set_.style().pendingDecodes(), 1) << "what was decoded is drawn from the cache";
  set_.style().SetDecodeBudget(DecodeBudget{});
  set_.Draw(*screen, client, 0);
  EXPECT_EQ(set_.style().pendingDecodes(), 0);
  EXPECT_TRUE(Near(screen->GetPixel(296 + 43, 59), RGB(200, 30, 30)));
  EXPECT_FALSE(set_.style().Prepare(*records_[2])) << "a ready thumbnail is not read again";
}

// Characters a byte wide are 6 pixels here, double-byte ones 12.
int TestWidth(std::string_view c) {
  return static_cast<int>(c.size()) * 6;
}

struct Break {
  const char* memo;
  size_t from;
  int width;
  size_t length, next;
};

class MemoLineBreak : public testing::TestWithParam<Break> {};

TEST_P(MemoLineBreak, TakesWholeCharactersThatFitAndStopsAtALineFeed) {
  const Break b = GetParam();
  const memolines::Line line = memolines::NextLine(b.memo, b.from, b.width, TestWidth);
  EXPECT_EQ(line.begin, b.from);
  EXPECT_EQ(line.length, b.length);
  EXPECT_EQ(line.next, b.next);
}

INSTANTIATE_TEST_SUITE_P(
    Memos, MemoLineBreak,
    testing::Values(Break{"abcdefgh", 0, 30, 5, 5}, Break{"abcdefgh", 5, 30, 3, 8},
                    Break{"abcd\x82\xA0xy", 0, 30, 4, 4},  // あ would pass the width: not split
                    Break{"ab\x82\xA0"
                          "cd",
                          0, 30, 5, 5},                              // あ fits whole
                    Break{"\x83\x5C\x83\x5C\x83\x5C", 0, 30, 4, 4},  // ソ's trail byte is '\'
                    Break{"ab\ncd", 0, 30, 2, 3}, Break{"ab\r\ncd", 0, 30, 2, 4},
                    Break{"\nab", 0, 30, 0, 1}, Break{"\x82\xA0", 0, 5, 2, 2},  // wider than all
                    Break{"abc", 3, 30, 0, 3}, Break{"ab\x82", 0, 30, 3, 3}));  // a lone lead byte

}  // namespace
