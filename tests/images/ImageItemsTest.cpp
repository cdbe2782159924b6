// The item set's geometry, layout, hit testing, membership and focus.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "images/CImageItems.h"
#include "platform/win/SystemMetrics.h"
#include "tests/support/AlbumFixture.h"

namespace {

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// An item set over records that the test keeps.
class ItemSet {
 public:
  explicit ItemSet(int n, int size = 80, uint16_t bits = 0x0F) {
    set.SetImageSize(size);
    set.SetStyleBits(bits);
    for (int i = 0; i < n; ++i) set.AddRecord(Record());
  }
  CPhotoItem* Record() { return records.emplace_back(std::make_unique<CPhotoItem>()).get(); }
  // A view window wide enough for the columns, and a few pixels more.
  static int WindowFor(int columns, int cellWidth) {
    return GetSystemMetrics(SM_CXVSCROLL) + columns * cellWidth + 5;
  }

  std::vector<std::unique_ptr<CPhotoItem>> records;
  CImageItems set;
};

struct Geometry {
  int size;
  uint16_t bits;
  int width, height;
};

class ItemGeometry : public testing::TestWithParam<Geometry> {};

TEST_P(ItemGeometry, ItemSizeFollowsTheThumbnailSizeAndTheCaptionBits) {
  const Geometry g = GetParam();
  CImageStyle3 style;
  style.SetSize(g.size);
  style.SetStyleBits(g.bits);
  EXPECT_EQ(style.ItemWidth(), g.width);
  EXPECT_EQ(style.ItemHeight(), g.height);
  EXPECT_EQ(style.CellWidth(), g.width) << "no gaps between cells";
  EXPECT_EQ(style.CellHeight(), g.height);
}

INSTANTIATE_TEST_SUITE_P(SizesAndBits, ItemGeometry,
                         testing::Values(Geometry{80, 0x0F, 148, 118},
                                         Geometry{160, 0x0E, 288, 198},
                                         Geometry{240, 0x00, 248, 248},
                                         Geometry{240, 0x01, 248, 248},  // bit 0 changes nothing
                                         Geometry{160, 0x02, 168, 184},
                                         Geometry{160, 0x04, 168, 182},
                                         Geometry{80, 0x08, 148, 88}));

TEST(ItemParts, EachPartLiesWhereItsCaptionBitsPutIt) {
  CImageStyle3 style;
  style.SetSize(80);
  style.SetStyleBits(0x0F);
  ItemParts p = style.PartRects(100, 200);
  EXPECT_TRUE(p.name == (RECT{100, 200, 246, 216}));
  EXPECT_TRUE(p.picture == (RECT{103, 219, 183, 299}));
  EXPECT_TRUE(p.date == (RECT{100, 302, 246, 316}));
  EXPECT_TRUE(p.memo == (RECT{186, 219, 246, 299}));
  style.SetStyleBits(0x00);
  p = style.PartRects(100, 200);
  EXPECT_TRUE(p.picture == (RECT{103, 203, 183, 283})) << "no name line above";
  EXPECT_TRUE(p.name == (RECT{100, 200, 100, 200}));
  EXPECT_TRUE(p.date == (RECT{100, 200, 100, 200}));
  EXPECT_TRUE(p.memo == (RECT{100, 200, 100, 200}));
}

TEST(ItemParts, APictureBoxIsLandscapeOrPortraitInsideItsSquare) {
  const RECT square{10, 20, 170, 180};
  EXPECT_TRUE(CImageStyle3::PictureBox(square, false) == (RECT{10, 40, 170, 160}));
  EXPECT_TRUE(CImageStyle3::PictureBox(square, true) == (RECT{30, 20, 150, 180}));
}

TEST(ItemLayout, AWindowNarrowerThanOneCellStillLaysOutOneColumn) {
  ItemSet s(3);
  s.set.Layout(40);
  EXPECT_EQ(s.set.columns(), 1);
  EXPECT_EQ(s.set.At(2)->x(), 0);
  EXPECT_EQ(s.set.At(2)->y(), 236);
  EXPECT_EQ(s.set.lastRow(), 2);
  EXPECT_EQ(s.set.totalHeight(), 354);
}

TEST(ItemLayout, ItemsFillRowsLeftToRightWithinTheWidthLessTheScrollBar) {
  ItemSet s(7);
  s.set.Layout(ItemSet::WindowFor(3, 148));
  EXPECT_EQ(s.set.columns(), 3);
  EXPECT_EQ(s.set.At(4)->x(), 148);
  EXPECT_EQ(s.set.At(4)->y(), 118);
  EXPECT_EQ(s.set.lastRow(), 2);
  EXPECT_EQ(s.set.totalHeight(), 3 * 118);
  s.set.Layout(ItemSet::WindowFor(3, 148) - 6);
  EXPECT_EQ(s.set.columns(), 2) << "the scroll bar's width is taken off";
}

TEST(ItemLayout, ChangingACaptionBitLaysOutAgainForTheSameWidth) {
  ItemSet s(7);
  s.set.Layout(ItemSet::WindowFor(3, 148));
  s.set.ShowMemoColumn(false);
  EXPECT_EQ(s.set.styleBits(), 0x07);
  EXPECT_EQ(s.set.style().ItemWidth(), 88);
  EXPECT_EQ(s.set.columns(), (3 * 148 + 5) / 88);
  EXPECT_EQ(s.set.At(1)->x(), 88);
  s.set.ShowNameLine(false);
  EXPECT_EQ(s.set.At(5)->y(), 102) << "rows of 102 pixels without the name line";
}

TEST(ItemLayout, AnEmptySetHasNoHeightAndRowsPerPageIsAtLeastOne) {
  ItemSet s(0, 160);
  s.set.Layout(1000);
  EXPECT_EQ(s.set.totalHeight(), 0);
  EXPECT_EQ(s.set.lastRow(), 0);
  EXPECT_EQ(s.set.RowsPerPage(700), (700 + 198) / 198);
  EXPECT_EQ(s.set.RowsPerPage(0), 1);
  EXPECT_EQ(s.set.RowsPerPage(-500), 1);
}

TEST(ItemHitTest, FindsTheCellUnderAPointAndNothingBesideTheGrid) {
  ItemSet s(5);
  s.set.Layout(ItemSet::WindowFor(3, 148));
  EXPECT_EQ(s.set.HitTest(147, 117), s.set.At(0));
  EXPECT_EQ(s.set.HitTest(148, 0), s.set.At(1)) << "between cells: the cell that starts there";
  EXPECT_EQ(s.set.HitTest(150, 120), s.set.At(4));
  EXPECT_EQ(s.set.HitTest(3 * 148 + 1, 10), nullptr) << "right of the last column";
  EXPECT_EQ(s.set.HitTest(2 * 148 + 10, 130), nullptr) << "after the last item";
  EXPECT_EQ(s.set.HitTest(-1, 5), nullptr);
}

TEST(ItemHitTest, HitPartNamesThePartUnderThePoint) {
  ItemSet s(2);
  s.set.Layout(ItemSet::WindowFor(2, 148));
  const CImageItem& second = *s.set.At(1);
  const struct {
    int x, y, bits;
  } cases[] = {{148 + 5, 5, CImageStyle::kPartName},
               {148 + 40, 50, CImageStyle::kPartPicture},
               {148 + 100, 50, CImageStyle::kPartMemo},
               {148 + 40, 110, CImageStyle::kPartDate},
               {148 + 1, 50, 0},  // the margin beside the picture
               {148 + 40, 17, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(s.set.HitPart(second, c.x, c.y), c.bits) << c.x << "," << c.y;
}

TEST(ItemMembership, ItemsAreFoundByRecordAndRemovingMovesTheRestDown) {
  ItemSet s(4);
  CPhotoItem* third = s.records[2].get();
  EXPECT_EQ(s.set.IndexOfRecord(third), 2);
  EXPECT_EQ(s.set.ItemOf(third), s.set.At(2));
  EXPECT_EQ(s.set.At(4), nullptr);
  EXPECT_EQ(s.set.At(-1), nullptr);
  s.set.SetFocusIndex(3);
  s.set.RemoveAt(1);
  EXPECT_EQ(s.set.count(), 3);
  EXPECT_EQ(s.set.IndexOfRecord(third), 1);
  EXPECT_EQ(s.set.focus(), 2) << "the focus stays on its item";
  s.set.RemoveAt(9);
  s.set.Remove(nullptr);
  EXPECT_EQ(s.set.count(), 3);
  EXPECT_EQ(s.set.IndexOfRecord(nullptr), -1);
}

TEST(ItemMembership, AFullArrayGrowsByTheStepAndANonOwningSetLeavesItemsAlone) {
  ItemSet s(CImageItems::kGrowthStep + 1);
  EXPECT_EQ(s.set.capacity(), 2 * CImageItems::kGrowthStep);
  {
    CImageItems borrowed(false);
    for (CImageItem* item : s.set.items()) borrowed.Add(item);
    borrowed.RemoveAt(0);
  }
  EXPECT_EQ(s.set.At(0)->record(), s.records[0].get()) << "still alive after the borrower went";
}

class ItemFocus : public AlbumFixture {};

TEST_F(ItemFocus, FocusMakesTheRecordTheLibrarysCurrentPhotoOrNone) {
  ASSERT_TRUE(Initialise());
  TheApp().OpenUserAlbum();
  CPhotoManager* library = TheApp().library();
  ASSERT_NE(library, nullptr);
  ItemSet s(3);
  s.set.SetFocusIndex(1);
  EXPECT_EQ(library->currentPhoto(), s.records[1].get());
  EXPECT_EQ(s.set.FocusedItem(), s.set.At(1));
  s.set.SetFocusItem(s.set.At(2));
  EXPECT_EQ(library->currentPhoto(), s.records[2].get());
  s.set.SetFocusIndex(7);
  EXPECT_EQ(s.set.focus(), -1);
  EXPECT_EQ(library->currentPhoto(), nullptr);
}

}  // namespace
