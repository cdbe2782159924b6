// The layout window: its title, the drawing order buttons, the fine adjustment, what reaches
// the owner, the switches of its preview, and the suite operation held while it is shown.
#include <gtest/gtest.h>

#include "platform/gdi/CDC.h"
#include "platform/win/CheckBox.h"
#include "platform/win/Edit.h"
#include "print/CDlgOrPrintPreview.h"
#include "print/PrintLayout.h"
#include "resources/PrintStyleDialogs.h"
#include "tests/print/PreviewTestSupport.h"
#include "tests/print/TestPages.h"
#include "tests/support/AlbumFixture.h"

namespace {

using Window = CDlgOrPrintPreview;
class LayoutWindow : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    style_.name = cp932::Lit("家族");
    style_.paramMain.SetCells(2, 2);
    printlayout::LayOut(style_, metrics_, PrintYearMonth{2026, 12}, layout_);
    for (int i = 0; i < 3; ++i) items_.Add(std::make_unique<CPrintItem>(nullptr), 0, -1, 4);
    owner_.AlsoKeep(Window::kMsgNextPage, Window::kMsgResetLayout);
    ASSERT_TRUE(owner_.Create("owner", 0, RECT{0, 0, 200, 200}, nullptr));
    window_ = std::make_unique<Window>(&owner_);
    ASSERT_TRUE(window_->CreateFloating());
    window_->Show(&style_, &layout_, &metrics_, &items_, 0, 2);
  }

  void Press(UINT id) { window_->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  bool Enabled(UINT id) { return window_->Control(id)->IsWindowEnabled(); }
  void Click(int cell) {
    const LPARAM at = At(Centre(window_->preview().CellRect(cell)));
    window_->preview().SendMessage(WM_LBUTTONDOWN, 1, at);
    window_->preview().SendMessage(WM_LBUTTONUP, 0, at);
  }

  CPrintFormat style_;
  CPrintPaperSizeInfo metrics_ = A4Page();
  PrintPageTemplate layout_;
  CPrintItems items_;
  // The panel that owns the window: it keeps what the window tells it.
  RecordingWindow owner_{CCtrlPrintPreview::kMsgDelete, CCtrlPrintPreview::kMsgSwap};
  std::unique_ptr<Window> window_;
};

TEST_F(LayoutWindow, TitleNamesTheStyleItsOrientationAndThePageCount) {
  EXPECT_EQ(window_->GetWindowText(), cp932::Lit("レイアウト( 家族, 縦) - 2ページ"));
  style_.paper.vLine = 0;
  window_->Show(&style_, &layout_, &metrics_, &items_, 0, 3);
  EXPECT_EQ(window_->GetWindowText(), cp932::Lit("レイアウト( 家族, 横) - 3ページ"));
  style_.name.clear();
  window_->Show(&style_, &layout_, &metrics_, &items_, 0, 3);
  EXPECT_EQ(window_->GetWindowText(), cp932::Lit("レイアウト"));
}

TEST_F(LayoutWindow, FrontAndBackMoveTheSelectedPhotoAndStopAtTheEnds) {
  EXPECT_FALSE(Enabled(res::kControlLayoutFront)) << "no photo selected";
  EXPECT_FALSE(Enabled(res::kControlLayoutBack));
  CPrintItem* middle = items_.Find(0, 1);
  Click(1);
  EXPECT_TRUE(Enabled(res::kControlLayoutFront));
  EXPECT_TRUE(Enabled(res::kControlLayoutBack));

  Press(res::kControlLayoutFront);
  EXPECT_EQ(items_.OnPage(0).back(), middle);
  EXPECT_FALSE(Enabled(res::kControlLayoutFront));
  EXPECT_TRUE(Enabled(res::kControlLayoutBack));
  Press(res::kControlLayoutBack);
  EXPECT_EQ(items_.OnPage(0).front(), middle);
  EXPECT_TRUE(Enabled(res::kControlLayoutFront));
  EXPECT_FALSE(Enabled(res::kControlLayoutBack));

  Click(3);
  EXPECT_FALSE(Enabled(res::kControlLayoutFront)) << "an empty cell";
  EXPECT_FALSE(Enabled(res::kControlLayoutBack));
}

TEST_F(LayoutWindow, FineAdjustmentMovesThePageAndResetZeroesItAndTellsTheOwner) {
  const RECT before = window_->preview().CellRect(0);
  window_->SetFineAdjust(POINT{100, 0});
  const RECT moved = window_->preview().CellRect(0);
  EXPECT_GT(moved.left, before.left);
  EXPECT_EQ(moved.top, before.top);

  auto* across = dynamic_cast<CEdit*>(window_->Control(res::kControlLayoutAdjustX));
  ASSERT_NE(across, nullptr);
  across->SetText("-1500");
  EXPECT_EQ(window_->fineAdjust().x, -Window::kMaxFineAdjust) << "typed, then clamped";
  EXPECT_EQ(window_->fineAdjust().y, 0);

  Press(res::kControlLayoutReset);
  EXPECT_EQ(window_->fineAdjust().x, 0);
  EXPECT_EQ(window_->preview().CellRect(0).left, before.left);
  EXPECT_EQ(owner_.told, (std::vector<Told>{{Window::kMsgResetLayout, 0, 0}}));

  // Moved past the paper's right edge, a cell's frame is not drawn beside the paper.
  window_->SetFineAdjust(POINT{Window::kMaxFineAdjust, 0});
  const RECT client = window_->preview().GetClientRect();
  auto dc = CDC::CreateMemory(client.right, client.bottom);
  window_->preview().Draw(*dc);
  const RECT past = window_->preview().CellRect(1);
  ASSERT_GT(past.right, client.right) << "the frame's top line runs to the window's edge";
  EXPECT_EQ(dc->GetPixel(client.right - 2, past.top), 0x00A0A0A0u);
}

TEST_F(LayoutWindow, PagingPrintingAndThePreviewsRequestsReachTheOwnerUnchanged) {
  Press(res::kControlLayoutNext);
  Press(res::kControlLayoutPrev);
  Press(res::kControlLayoutPrint);
  CCtrlPrintPreviewEx& preview = window_->preview();
  const POINT from = Centre(preview.CellRect(0));
  const POINT to = Centre(preview.CellRect(3));
  preview.SendMessage(WM_LBUTTONDOWN, 1, At(from));
  preview.SendMessage(WM_MOUSEMOVE, 1, At(to));
  preview.SendMessage(WM_LBUTTONUP, 0, At(to));
  preview.SetSelectedCell(1);
  preview.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
  const std::vector<Told> expected = {{Window::kMsgNextPage, 0, 0},
                                      {Window::kMsgPrevPage, 0, 0},
                                      {Window::kMsgPrint, 0, 0},
                                      {CCtrlPrintPreview::kMsgSwap, 0, 3},
                                      {CCtrlPrintPreview::kMsgDelete, 1, 0}};
  EXPECT_EQ(owner_.told, expected);
}

TEST_F(LayoutWindow, SwitchesTurnOffTheBordersAndTheFitAndTheWheelScrollsTheSheet) {
  CCtrlPrintPreviewEx& preview = window_->preview();
  dynamic_cast<CCheckBox*>(window_->Control(res::kControlLayoutBorders))->Click();
  EXPECT_FALSE(preview.cellBorders());
  const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-120));
  preview.SendMessage(WM_MOUSEWHEEL, down, 0);
  EXPECT_EQ(preview.scroll().y, 0) << "a fitted sheet does not scroll";

  dynamic_cast<CCheckBox*>(window_->Control(res::kControlLayoutFit))->Click();
  EXPECT_FALSE(preview.fitToWindow());
  preview.SendMessage(WM_MOUSEWHEEL, down, 0);
  EXPECT_EQ(preview.scroll().y, CCtrlPrintPreviewEx::kWheelStep);
  for (int i = 0; i < 100; ++i) preview.SendMessage(WM_MOUSEWHEEL, down, 0);
  const LONG end = preview.scroll().y;
  preview.SendMessage(WM_MOUSEWHEEL, down, 0);
  EXPECT_EQ(preview.scroll().y, end) << "the sheet's foot is the end";
  preview.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120 * 100), 0);
  EXPECT_EQ(preview.scroll().y, 0);
}

// Another modal operation of the album is running throughout, so that an operation ended
// twice would show as that one gone.
TEST_F(LayoutWindow, HoldsOneSuiteOperationExactlyWhileOnScreen) {
  ASSERT_EQ(suite::BeginOperation(suite::kAlbumModule, suite::kKindModalDialog, 1, 0, 0), 1);
  window_->ShowFloating(true);
  window_->ShowFloating(true);
  EXPECT_EQ(suite_.Entries(), 2);
  EXPECT_TRUE(window_->IsWindowVisible());

  window_->SuspendForModal();
  window_->SuspendForModal();
  EXPECT_EQ(suite_.Entries(), 1);
  EXPECT_TRUE(window_->floatingShown());
  window_->ResumeAfterModal();
  EXPECT_FALSE(window_->IsWindowVisible()) << "the outer modal dialog still runs";
  window_->ResumeAfterModal();
  window_->ResumeAfterModal();
  EXPECT_EQ(suite_.Entries(), 2);
  EXPECT_TRUE(window_->IsWindowVisible());

  window_->SendMessage(WM_CLOSE);
  window_->ShowFloating(false);
  EXPECT_EQ(suite_.Entries(), 1);
  EXPECT_TRUE(IsWindow(window_.get())) << "closing only hides";
  EXPECT_FALSE(window_->floatingShown());

  window_->ShowFloating(true);
  window_->SuspendForModal();
  window_->ShowFloating(false);
  window_->ResumeAfterModal();
  EXPECT_EQ(suite_.Entries(), 1) << "hidden while suspended stays hidden";
  EXPECT_FALSE(window_->IsWindowVisible());

  window_->ShowFloating(true);
  window_->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(suite_.Entries(), 1) << "Esc and the close button hide";
  window_->ShowFloating(true);
  window_.reset();
  EXPECT_EQ(suite_.Entries(), 1) << "a window going while shown ends its operation";
  suite::EndOperation(suite::kAlbumModule, suite::kKindModalDialog, 0);
}

}  // namespace
