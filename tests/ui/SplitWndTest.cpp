// The album's splitters: the caption above a pane, the bar row that cannot be dragged, and
// the wheel handed to the pane under the mouse.
#include <gtest/gtest.h>

#include "tests/ui/ToolkitFixture.h"
#include "ui/CSplitWndExCaptionForOrp.h"
#include "ui/CSplitWndExStaticBar.h"
#include "ui/CSplitWndMain.h"

namespace {

class SplitWnds : public ToolkitTest {
 protected:
  static LRESULT Mouse(CWnd& window, UINT message, int x, int y) {
    return window.SendMessage(message, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  static int Height(const CWnd& window) {
    return window.GetWindowRect().bottom - window.GetWindowRect().top;
  }
};

TEST_F(SplitWnds, ACaptionTakesTheTopOfItsCellInTheCaptionColoursOfTheWindowsActivation) {
  ApplySample(2);
  CSplitWndExCaptionForOrp splitter;
  ASSERT_TRUE(splitter.CreateStatic(&parent_, 2, 1));
  CWnd views, print;
  MakePane(splitter, views, 0, 0);
  MakePane(splitter, print, 1, 0);
  splitter.SetRowInfo(0, 300, 0);
  splitter.SetCaption(1, 0, cp932::Lit("簡単プリント "));
  const RECT cell = splitter.CellRect(1, 0);
  EXPECT_EQ(views.GetWindowRect().top, 0);
  EXPECT_EQ(print.GetWindowRect().top, cell.top + CSplitWndExCaptionForOrp::kCaptionHeight);
  EXPECT_EQ(print.GetWindowRect().bottom, cell.bottom);

  const int inCaption = cell.top + 2;
  QImage picture = Picture(splitter);
  EXPECT_EQ(At(picture, 300, inCaption), Colour(skin::kCaptionBackInactive));
  EXPECT_TRUE(HasColour([&](int x, int y) { return At(picture, x, y); },
                        RECT{4, cell.top, 120, cell.top + 21}, Colour(skin::kCaptionText)));
  EXPECT_EQ(At(picture, 300, 301), Colour(skin::kCtrlBorder)) << "the bar";
  parent_.ShowWindow(SW_SHOW);
  PumpMessages();
  ASSERT_TRUE(splitter.IsInActiveWindow());
  picture = Picture(splitter);
  EXPECT_EQ(At(picture, 300, inCaption), Colour(skin::kCaptionBack));

  splitter.SetCaption(1, 0, {});
  EXPECT_EQ(print.GetWindowRect().top, cell.top);
}

TEST_F(SplitWnds, TheBarRowKeepsItsHeightWhileTheRowsBelowItAreDragged) {
  CSplitWndExStaticBar splitter;
  ASSERT_TRUE(splitter.CreateStatic(&parent_, 3, 1));
  CWnd bar, thumbnails, list;
  MakePane(splitter, bar, 0, 0);
  MakePane(splitter, thumbnails, 1, 0);
  MakePane(splitter, list, 2, 0);
  splitter.SetRowInfo(1, 200, 0);
  splitter.RecalcLayout();
  const int barEdge = CSplitWndExStaticBar::kBarHeight + 1;
  Mouse(splitter, WM_LBUTTONDOWN, 50, barEdge);
  Mouse(splitter, WM_MOUSEMOVE, 50, 120);
  Mouse(splitter, WM_LBUTTONUP, 50, 120);
  EXPECT_EQ(Height(bar), CSplitWndExStaticBar::kBarHeight);
  EXPECT_EQ(Height(thumbnails), 200);

  const int listEdge = thumbnails.GetWindowRect().bottom + 1;
  Mouse(splitter, WM_LBUTTONDOWN, 50, listEdge);
  Mouse(splitter, WM_LBUTTONUP, 50, listEdge + 40);
  EXPECT_EQ(Height(thumbnails), listEdge + 40 - thumbnails.GetWindowRect().top);
}

TEST_F(SplitWnds, TheMainSplitterHandsTheWheelToThePaneUnderTheMouseInsideNestedSplitters) {
  CSplitWndMain main;
  ASSERT_TRUE(main.CreateStatic(&parent_, 1, 2));
  MessageLog index(WM_MOUSEWHEEL);
  MakePane(main, index, 0, 0);
  CSplitWndExStaticBar views;
  ASSERT_TRUE(views.CreateStatic(&main, 3, 1, WS_CHILD | WS_VISIBLE, main.IdFromRowCol(0, 1)));
  main.SetPane(0, 1, &views);
  MessageLog bar(WM_MOUSEWHEEL), thumbnails(WM_MOUSEWHEEL), list(WM_MOUSEWHEEL);
  MakePane(views, bar, 0, 0);
  MakePane(views, thumbnails, 1, 0);
  MakePane(views, list, 2, 0);
  main.SetColumnInfo(0, 160, 0);
  views.SetRowInfo(1, 200, 0);
  main.RecalcLayout();
  views.RecalcLayout();

  const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-120));
  const auto wheelOver = [&](CWnd& window, POINT point) {
    window.ClientToScreen(&point);
    return main.SendMessage(WM_MOUSEWHEEL, down,
                            MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
  };
  wheelOver(thumbnails, POINT{30, 30});
  wheelOver(index, POINT{10, 200});
  wheelOver(main, POINT{161, 100});
  ASSERT_EQ(thumbnails.entries.size(), 1u);
  EXPECT_EQ(thumbnails.entries[0].w, down);
  EXPECT_EQ(index.entries.size(), 1u);
  EXPECT_TRUE(bar.entries.empty() && list.entries.empty()) << "the bar between the columns";
}

}  // namespace
