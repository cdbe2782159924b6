// The drawing calls of a device context, checked by drawing into a memory bitmap and
// reading its pixels back.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/CDC.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class GdiDrawing : public testing::Test {
 protected:
  void TearDown() override {
    for (HGDIOBJ object : made_) DeleteObject(object);
  }

  template <class H>
  H Keep(H handle) {
    made_.push_back(handle);
    return handle;
  }
  HPEN Pen(COLORREF c) { return Keep(CreatePen(PS_SOLID, 1, c)); }
  HBRUSH Brush(COLORREF c) { return Keep(CreateSolidBrush(c)); }
  HFONT Font(LONG height) {
    LOGFONTA f;
    f.lfHeight = height;
    std::strcpy(f.lfFaceName, "MS UI Gothic");
    return Keep(CreateFontIndirectA(&f));
  }

  // How many pixels of the rectangle are not white.
  int Ink(const RECT& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += dc_->GetPixel(x, y) != kWhite;
    return n;
  }

  std::unique_ptr<CDC> dc_ = CDC::CreateMemory(100, 60, kWhite);
  std::vector<HGDIOBJ> made_;
};

TEST_F(GdiDrawing, RectangleOutlinesWithThePenInsideItsEdgesAndFillsWithTheBrush) {
  dc_->SelectObject(Pen(kRed));
  dc_->SelectObject(Brush(kBlue));
  dc_->Rectangle(RECT{10, 10, 20, 16});
  EXPECT_EQ(dc_->GetPixel(10, 10), kRed);
  EXPECT_EQ(dc_->GetPixel(19, 15), kRed) << "the last pixels inside right and bottom";
  EXPECT_EQ(dc_->GetPixel(15, 12), kBlue);
  EXPECT_EQ(dc_->GetPixel(20, 12), kWhite) << "right is outside";
  EXPECT_EQ(dc_->GetPixel(15, 16), kWhite) << "bottom is outside";
}

TEST_F(GdiDrawing, SelectingHandsBackThePreviousObjectAndNullDrawsWithTheDefaults) {
  const HPEN red = Pen(kRed);
  EXPECT_EQ(dc_->SelectObject(red), nullptr);
  EXPECT_EQ(dc_->SelectObject(HPEN{}), red);
  dc_->Rectangle(RECT{0, 0, 5, 5});
  EXPECT_EQ(dc_->GetPixel(0, 0), RGB(0, 0, 0)) << "black default pen";
  EXPECT_EQ(dc_->GetPixel(2, 2), kWhite) << "white default brush";
  const HBRUSH gone = CreateSolidBrush(kBlue);
  dc_->SelectObject(gone);
  DeleteObject(gone);
  dc_->FillRect(RECT{30, 30, 40, 40}, gone);
  dc_->Rectangle(RECT{30, 30, 40, 40});
  EXPECT_EQ(dc_->GetPixel(35, 35), kWhite) << "a deleted brush draws as the default";
}

TEST_F(GdiDrawing, LineToLeavesOutItsEndPointAndMovesThere) {
  dc_->SelectObject(Pen(kRed));
  dc_->MoveTo(5, 20);
  dc_->LineTo(15, 20);
  dc_->LineTo(15, 25);
  EXPECT_EQ(dc_->GetPixel(5, 20), kRed);
  EXPECT_EQ(dc_->GetPixel(14, 21), kWhite);
  EXPECT_EQ(dc_->GetPixel(15, 24), kRed) << "the second line starts where the first ended";
  EXPECT_EQ(dc_->GetPixel(15, 25), kWhite);
  const POINT previous = dc_->MoveTo(0, 0);
  EXPECT_EQ(previous.x, 15);
  EXPECT_EQ(previous.y, 25);
}

TEST_F(GdiDrawing, TextIsDrawnInsideItsRectangleWhereTheFlagsAlignIt) {
  dc_->SelectObject(Font(-12));
  dc_->SetBkMode(TRANSPARENT);
  const RECT box{10, 10, 90, 30};
  const Cp932String wide = "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA0\x82\xA2\x82\xA4";
  dc_->DrawText(wide, RECT{10, 10, 40, 30}, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  EXPECT_GT(Ink(RECT{10, 10, 40, 30}), 20) << "Japanese text shows";
  EXPECT_EQ(Ink(RECT{40, 0, 100, 60}), 0) << "clipped at the rectangle's right";
  auto right = CDC::CreateMemory(100, 60, kWhite);
  right->SelectObject(Font(-12));
  right->SetTextColor(kRed);
  right->DrawText("12", box, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
  int reds = 0;
  for (int x = 10; x < 60; ++x)
    for (int y = 10; y < 30; ++y) reds += right->GetPixel(x, y) != kWhite;
  EXPECT_EQ(reds, 0) << "right-aligned text leaves the left half empty";
  EXPECT_NE(right->GetPixel(5, 5), kRed);
}

TEST_F(GdiDrawing, OpaqueTextFillsItsBackgroundAndTransparentTextDoesNot) {
  dc_->SelectObject(Font(-12));
  dc_->SetBkColor(kBlue);
  EXPECT_EQ(dc_->SetBkMode(OPAQUE), OPAQUE) << "opaque is the default";
  dc_->DrawText("ii", RECT{0, 0, 50, 20}, DT_LEFT | DT_SINGLELINE);
  EXPECT_EQ(dc_->GetPixel(1, 1), kBlue);
  EXPECT_EQ(dc_->SetBkMode(TRANSPARENT), OPAQUE);
  dc_->DrawText("ii", RECT{0, 30, 50, 50}, DT_LEFT | DT_SINGLELINE);
  EXPECT_EQ(dc_->GetPixel(1, 31), kWhite);
  EXPECT_EQ(dc_->SetBkMode(7), 0) << "no such mode";
}

TEST_F(GdiDrawing, TextExtentGrowsWithTheTextAndCountsADoubleByteCharacterOnce) {
  dc_->SelectObject(Font(-12));
  const SIZE one = dc_->GetTextExtent("\x82\xA0");
  const SIZE two = dc_->GetTextExtent("\x82\xA0\x82\xA0");
  EXPECT_GT(one.cx, 6);
  EXPECT_EQ(two.cx, 2 * one.cx);
  EXPECT_GT(one.cy, 10);
  EXPECT_EQ(dc_->GetTextExtent("").cx, 0);
}

TEST_F(GdiDrawing, ResourceIconsDrawAtTheirSizeAndUnknownOnesAreNull) {
  const HICON favourite = LoadIconResource(411, 16, 16);
  ASSERT_NE(favourite, nullptr);
  EXPECT_EQ(LoadIconResource(411, 16, 16), favourite) << "shared";
  EXPECT_EQ(LoadIconResource(9999, 16, 16), nullptr);
  EXPECT_EQ(LoadIconResource(411, 0, 16), nullptr);
  EXPECT_TRUE(dc_->DrawIcon(20, 20, favourite));
  EXPECT_GT(Ink(RECT{20, 20, 36, 36}), 60);
  EXPECT_EQ(Ink(RECT{36, 0, 100, 60}) + Ink(RECT{0, 36, 100, 60}), 0);
  EXPECT_FALSE(dc_->DrawIcon(0, 0, nullptr));
  EXPECT_FALSE(dc_->DrawIcon(0, 0, reinterpret_cast<HICON>(&made_))) << "not an icon";
}

TEST_F(GdiDrawing, AClipRectangleLimitsDrawingUntilItIsLifted) {
  const RECT clip{10, 10, 20, 20};
  dc_->SelectClipRect(&clip);
  dc_->FillSolidRect(RECT{0, 0, 100, 60}, kRed);
  EXPECT_EQ(Ink(RECT{0, 0, 100, 60}), 100);
  dc_->SelectClipRect(nullptr);
  dc_->FillSolidRect(RECT{50, 50, 51, 51}, kRed);
  EXPECT_EQ(dc_->GetPixel(50, 50), kRed);
}

}  // namespace
