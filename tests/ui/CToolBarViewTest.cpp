// The view bar: its controls' commands go to the frame it is given, and it is painted, with
// its buttons, the captioned splitter and the splitter bars, in each shipped scheme.
#include "ui/CToolBarView.h"

#include <gtest/gtest.h>

#include "tests/ui/ToolkitFixture.h"
#include "ui/CCButton.h"
#include "ui/CCtrlDropList.h"
#include "ui/CSplitWndExCaptionForOrp.h"
#include "ui/CSplitWndExStaticBar.h"

namespace {

constexpr UINT kSearch = 32900;
constexpr UINT kSwitchView = 32898;
constexpr UINT kFavouriteList = 0x7001;

using ViewBars = ToolkitTest;

TEST_F(ViewBars, HandTheirControlsCommandsToTheirTargetOnly) {
  CToolBarView bar;
  ASSERT_TRUE(bar.Create(&parent_, 0xE900));
  EXPECT_EQ(bar.GetWindowRect().bottom, CToolBarView::kHeight);
  CCButton* search = bar.AddButton(cp932::Lit("検索"), RECT{4, 2, 84, 24}, kSearch);
  CCtrlDropList* list = bar.AddDropList(RECT{200, 2, 320, 200}, kFavouriteList);
  ASSERT_TRUE(search != nullptr && list != nullptr);
  EXPECT_EQ(bar.GetControl(kSearch), search);
  EXPECT_EQ(bar.GetControl(1), nullptr);
  list->AddString(cp932::Lit("(はずす)"), 0);
  list->AddString(cp932::Lit("旅行"), 1);

  search->Click();
  MessageLog frame;
  ASSERT_TRUE(frame.Create("frame", 0, RECT{0, 0, 10, 10}, nullptr));
  bar.SetCommandTarget(&frame);
  search->Click();
  list->SelectAsUser(1);
  ASSERT_EQ(frame.entries.size(), 2u) << "nothing reached the frame before it was the target";
  EXPECT_EQ(frame.entries[0].w, MAKEWPARAM(kSearch, BN_CLICKED));
  EXPECT_EQ(frame.entries[0].l, reinterpret_cast<LPARAM>(search));
  EXPECT_EQ(frame.entries[1].w, MAKEWPARAM(kFavouriteList, CBN_SELCHANGE));
  EXPECT_TRUE(parent_.entries.empty()) << "the splitter holding the bar hears nothing";
}

class CountedButton : public CCButton {
 public:
  int paints = 0;

 protected:
  void OnPaint() override {
    ++paints;
    CCButton::OnPaint();
  }
};

// A new colour scheme reaches the screen through the frame's repaint alone.
TEST_F(ViewBars, RepaintWithTheirButtonsWhenAWindowAboveThemIsInvalidated) {
  CToolBarView bar;
  ASSERT_TRUE(bar.Create(&parent_, 0xE900));
  CountedButton button;
  ASSERT_TRUE(button.Create(cp932::Lit("検索"), RECT{4, 2, 84, 24}, &bar, kSearch));
  parent_.ShowWindow(SW_SHOW);
  PumpMessages();
  const int before = button.paints;
  parent_.Invalidate();
  PumpMessages();
  EXPECT_GT(button.paints, before);
}

// The views above the easy print panel as the frame arranges them: the view bar with its
// buttons and favourite list over a view, and the captioned print pane below.
class ViewBarPictures : public ToolkitTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ApplySample(GetParam());
    ASSERT_TRUE(right_.CreateStatic(&parent_, 2, 1));
    ASSERT_TRUE(
        views_.CreateStatic(&right_, 3, 1, WS_CHILD | WS_VISIBLE, right_.IdFromRowCol(0, 0)));
    right_.SetPane(0, 0, &views_);
    MakePane(right_, print_, 1, 0);
    ASSERT_TRUE(bar_.Create(&views_, views_.IdFromRowCol(0, 0)));
    views_.SetPane(0, 0, &bar_);
    MakePane(views_, thumbnails_, 1, 0);
    MakePane(views_, list_, 2, 0);
    views_.ShowRow(2, false);
    right_.SetRowInfo(0, 250, 0);
    right_.SetCaption(1, 0, cp932::Lit("簡単プリント "));
    FillBar();
    parent_.ShowWindow(SW_SHOW);
    PumpMessages();
  }
  void FillBar() {
    search_ = bar_.AddButton(cp932::Lit("検索"), RECT{4, 2, 76, 24}, kSearch);
    switch_ = bar_.AddButton(cp932::Lit("表示切替"), RECT{80, 2, 176, 24}, kSwitchView);
    ASSERT_TRUE(search_ != nullptr && switch_ != nullptr);
    search_->SetImage(CCButton::kImageSearch);
    switch_->SetImage(CCButton::kImageSwitchView);
    CCtrlDropList* list = bar_.AddDropList(RECT{300, 2, 430, 200}, kFavouriteList);
    list->AddString(cp932::Lit("家族"), 4);
    list->SetCurSel(0);
    bar_.AddButton(cp932::Lit("お気に入り"), RECT{434, 2, 530, 24}, 32871)->EnableWindow(false);
    switch_->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  }

  CSplitWndExCaptionForOrp right_;
  CSplitWndExStaticBar views_;
  CToolBarView bar_;
  CWnd thumbnails_, list_, print_;
  CCButton* search_ = nullptr;
  CCButton* switch_ = nullptr;
};

TEST_P(ViewBarPictures, PaintTheBarsAndCaptionInTheSchemesColours) {
  const QImage picture = Picture(right_);
  Keep(picture, "viewbar-color" + std::to_string(GetParam()));
  const int x = 560;  // right of every control
  EXPECT_EQ(At(picture, x, 0), Colour(skin::kBarTop));
  EXPECT_EQ(At(picture, x, CToolBarView::kHeight - 2), Colour(skin::kBarBottom));
  EXPECT_EQ(At(picture, x, CToolBarView::kHeight - 1), Colour(skin::kCtrlFrame));
  EXPECT_EQ(At(picture, x, CToolBarView::kHeight + 1), Colour(skin::kCtrlBorder));
  EXPECT_EQ(At(picture, 4, 2), Colour(skin::kCtrlFrame)) << "the search button's border";
  EXPECT_EQ(At(picture, 84, 21), Colour(skin::kMouseOver)) << "the button under the mouse";
  const RECT caption = right_.CellRect(1, 0);
  EXPECT_EQ(At(picture, x, caption.top + 2), Colour(skin::kCaptionBack));
  EXPECT_EQ(At(picture, x, 251), Colour(skin::kCtrlBorder));
}

INSTANTIATE_TEST_SUITE_P(ShippedSchemes, ViewBarPictures, testing::Values(1, 2, 3),
                         [](const auto& info) { return "color" + std::to_string(info.param); });

}  // namespace
