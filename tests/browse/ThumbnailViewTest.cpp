// The thumbnail view driven as a person would: presses and releases with and without
// modifiers, drags, keys, typing and the wheel, on a grid of 3 columns of 88-pixel cells.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "browse/CHarboPhotoView.h"
#include "host/CHarboPhotoApp.h"
#include "images/CImageItems.h"
#include "platform/shell/DragDrop.h"
#include "platform/win/Menu.h"
#include "platform/win/SystemMetrics.h"

namespace {

constexpr int kCell = 88;  // size 80 without captions

class ThumbnailView : public testing::Test {
 protected:
  void SetUp() override {
    set_.SetImageSize(80);
    set_.SetStyleBits(0);
  }
  void TearDown() override {
    win::ClearKeyModifiersForTest();
    shell::SetDragResponderForTest(nullptr);
    host_.DestroyWindow();
  }

  // Items named as given (or "p<i>"), in a view 3 columns wide and the given height.
  void Show(std::vector<std::string> names, int height = 200) {
    for (const std::string& name : names) {
      auto& record = records_.emplace_back(std::make_unique<CPhotoItem>());
      record->SetPath("/album/Pc/" + name + ".jpg", false);
      record->SetFlags(4);
      set_.AddRecord(record.get());
    }
    ASSERT_TRUE(host_.Create("host", 0, RECT{0, 0, 400, 300}, nullptr));
    ASSERT_TRUE(view_.Create(&host_, 1));
    view_.MoveWindow(0, 0, GetSystemMetrics(SM_CXVSCROLL) + 3 * kCell + 5, height);
    view_.SetItems(&set_);
  }
  void Show(int n, int height = 200) {
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) names.push_back("p" + std::to_string(i));
    Show(names, height);
  }

  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  // The middle of item i's cell in the window (the view unscrolled).
  static LPARAM Centre(int i) { return At((i % 3) * kCell + 40, (i / 3) * kCell + 40); }
  void Click(LPARAM at, bool control = false, bool shift = false) {
    win::SetKeyModifiersForTest(shift, control, false);
    view_.SendMessage(WM_LBUTTONDOWN, 0, at);
    view_.SendMessage(WM_LBUTTONUP, 0, at);
    win::ClearKeyModifiersForTest();
  }
  void Key(UINT vk, bool control = false, bool shift = false) {
    win::SetKeyModifiersForTest(shift, control, false);
    view_.SendMessage(WM_KEYDOWN, vk, 0);
    win::ClearKeyModifiersForTest();
  }
  std::string Selected() const {
    std::string marks;
    for (const CImageItem* item : set_.items()) marks += item->selected() != 0 ? '1' : '0';
    return marks;
  }

  std::vector<std::unique_ptr<CPhotoItem>> records_;
  CImageItems set_{true};
  CWnd host_;
  CHarboPhotoView view_;
};

TEST_F(ThumbnailView, ClicksSelectAddInvertAndClearAsTheModifiersSay) {
  Show(6);
  Click(Centre(0));
  EXPECT_EQ(Selected(), "100000");
  Click(Centre(1), true);
  EXPECT_EQ(Selected(), "110000") << "Ctrl adds";
  Click(Centre(1), true);
  EXPECT_EQ(Selected(), "100000") << "Ctrl on a selected item unselects it on release";
  Click(Centre(4), false, true);
  EXPECT_EQ(Selected(), "100010") << "Shift adds, it does not select a range";
  Click(Centre(4));
  EXPECT_EQ(Selected(), "000010") << "a plain click on a selected item leaves it alone";
  EXPECT_EQ(set_.focus(), 4);
  Click(At(20, 190), true);
  EXPECT_EQ(Selected(), "000010") << "empty space with Ctrl keeps the selection";
  Click(At(100, 190));
  EXPECT_EQ(Selected(), "000000") << "empty space without modifiers clears it";
  view_.SendMessage(WM_RBUTTONDOWN, 0, Centre(2));
  view_.SendMessage(WM_RBUTTONUP, 0, Centre(2));
  EXPECT_EQ(Selected(), "001000") << "the right button selects like the left";
}

TEST_F(ThumbnailView, ADragStartsPastFivePixelsAndOffersTheSelectedFilesToCopy) {
  Show(3);
  std::vector<Cp932String> offered;
  DWORD allowed = 0;
  HWND sourceDuringDrag = nullptr;
  shell::SetDragResponderForTest([&](const shell::ClipboardFiles& files, DWORD effects) {
    offered = files.paths;
    allowed = effects;
    sourceDuringDrag = TheApp().dragSource();
    return DROPEFFECT_COPY;
  });
  Click(Centre(2));
  win::SetKeyModifiersForTest(false, true, false);
  view_.SendMessage(WM_LBUTTONDOWN, 0, Centre(0));
  win::ClearKeyModifiersForTest();
  view_.SendMessage(WM_MOUSEMOVE, 0, Centre(0) + 3 + (2 << 16));
  PumpMessages();
  EXPECT_TRUE(offered.empty()) << "3 + 2 pixels is not a drag";
  view_.SendMessage(WM_MOUSEMOVE, 0, Centre(0) + 4 + (2 << 16));
  PumpMessages();
  EXPECT_EQ(offered, (std::vector<Cp932String>{"/album/Pc/p0.jpg", "/album/Pc/p2.jpg"}));
  EXPECT_EQ(allowed, DROPEFFECT_COPY);
  EXPECT_EQ(sourceDuringDrag, &view_);
  EXPECT_EQ(TheApp().dragSource(), nullptr);
  view_.SendMessage(WM_LBUTTONUP, 0, Centre(0));
  EXPECT_EQ(Selected(), "101") << "the release after a drag changes nothing";
}

TEST_F(ThumbnailView, KeysMoveTheFocusAndStopAtTheEdges) {
  Show(10, 100);  // rows per page: (100 + 88) / 88 = 2
  Key(VK_RIGHT);
  EXPECT_EQ(set_.focus(), 1);
  EXPECT_EQ(Selected(), "0100000000");
  Key(VK_DOWN, true);
  EXPECT_EQ(set_.focus(), 4) << "Ctrl moves the focus only";
  EXPECT_EQ(Selected(), "0100000000");
  Key(VK_SPACE, true);
  EXPECT_EQ(Selected(), "0100100000") << "Ctrl+Space inverts the focused mark";
  Key(VK_NEXT, false, true);
  EXPECT_EQ(set_.focus(), 7) << "only one whole row is left below";
  EXPECT_EQ(Selected(), "0100100100") << "Shift adds the new focus";
  Key(VK_NEXT);
  EXPECT_EQ(set_.focus(), 7) << "Page Down on the last full row stays";
  Key(VK_END);
  EXPECT_EQ(set_.focus(), 9);
  Key(VK_RIGHT);
  Key(VK_DOWN);
  EXPECT_EQ(set_.focus(), 9);
  Key(VK_PRIOR);
  EXPECT_EQ(set_.focus(), 3) << "two rows up";
  Key(VK_HOME);
  Key(VK_UP);
  Key(VK_LEFT);
  EXPECT_EQ(set_.focus(), 0);
  EXPECT_EQ(Selected(), "1000000000");
}

TEST_F(ThumbnailView, TypingFindsTheNextNameWithThatLetterAndWrapsRound) {
  Show({"apple", "Banana", "avocado", "cherry", "\xB1\xB2"});  // the last is "ｱｲ"
  Key(VK_END);
  view_.SendMessage(WM_CHAR, 'A', 0);
  EXPECT_EQ(set_.focus(), 0) << "from the last item the search starts again at the top";
  view_.SendMessage(WM_CHAR, 'a', 0);
  EXPECT_EQ(set_.focus(), 2);
  EXPECT_EQ(Selected(), "00100");
  view_.SendMessage(WM_CHAR, 0xB1, 0);
  EXPECT_EQ(set_.focus(), 4) << "half-width katakana types ahead too";
  view_.SendMessage(WM_CHAR, 'z', 0);
  view_.SendMessage(WM_CHAR, 0x7F, 0);
  win::SetKeyModifiersForTest(false, true, false);
  view_.SendMessage(WM_CHAR, 'b', 0);
  EXPECT_EQ(set_.focus(), 4) << "no match, a control character and Ctrl change nothing";
}

TEST_F(ThumbnailView, ScrollingIntoViewLeavesTenPixelsAndTheWheelIsClamped) {
  Show(30, 200);  // 10 rows of 88: 880 high
  Key(VK_DOWN);
  EXPECT_EQ(view_.scrollPos(), 0) << "row 1 shows whole";
  Key(VK_DOWN);
  EXPECT_EQ(view_.scrollPos(), 3 * kCell - 200 + 10) << "row 2's bottom 10 pixels above the edge";
  Key(VK_END);
  EXPECT_EQ(view_.scrollPos(), 880 - 200) << "the position never passes the end";
  Key(VK_HOME);
  EXPECT_EQ(view_.scrollPos(), 0);
  view_.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(view_.scrollPos(), 120);
  view_.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-1200)), 0);
  EXPECT_EQ(view_.scrollPos(), 680);
  view_.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(view_.scrollPos(), 560);
  Key(VK_END);
  Key(VK_UP);
  EXPECT_EQ(view_.scrollPos(), 680) << "row 8 shows whole";
  Key(VK_UP);
  EXPECT_EQ(view_.scrollPos(), 7 * kCell - 10) << "row 7's top 10 pixels below the edge";
}

TEST_F(ThumbnailView, AViewLowerThanAnItemKeepsAPartlyShownItemWhereItIs) {
  Show(9, 60);
  Key(VK_DOWN);
  EXPECT_EQ(view_.scrollPos(), 88 + 88 - 60 + 10);
  view_.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 40), 0);
  Key(VK_RIGHT);
  EXPECT_EQ(view_.scrollPos(), 86) << "row 1 (88..176) still shows in part";
}

// Timers that only record what the view starts and stops.
class RecordedTimers : public win::TimerSource {
 public:
  void Start(HWND, uintptr_t id, UINT ms) override { running[id] = ms; }
  void Stop(HWND, uintptr_t id) override { running.erase(id); }
  std::map<uintptr_t, UINT> running;
};

TEST_F(ThumbnailView, TheScrollBarStepsRepeatsWhileHeldAndDragsItsThumb) {
  RecordedTimers timers;
  win::SetTimerSourceForTest(&timers);
  Show(30, 200);  // 880 high, 680 to scroll
  const RECT bar = view_.scrollBar().rect();
  const int x = (bar.left + bar.right) / 2;
  const RECT down = view_.scrollBar().PartRect(CCtrlScrollBar::kLineDown);
  view_.SendMessage(WM_MOUSEMOVE, 0, At(x, down.top + 2));
  view_.SendMessage(WM_LBUTTONDOWN, 0, At(x, down.top + 2));
  EXPECT_EQ(view_.scrollPos(), 20) << "one step at the press";
  EXPECT_EQ(timers.running[CHarboPhotoView::kRepeatTimer], 500u);
  view_.SendMessage(WM_TIMER, CHarboPhotoView::kRepeatTimer, 0);
  EXPECT_EQ(timers.running[CHarboPhotoView::kRepeatTimer], 50u) << "then it repeats faster";
  view_.SendMessage(WM_TIMER, CHarboPhotoView::kRepeatTimer, 0);
  EXPECT_EQ(view_.scrollPos(), 60);
  view_.SendMessage(WM_LBUTTONUP, 0, At(x, down.top + 2));
  EXPECT_EQ(timers.running.count(CHarboPhotoView::kRepeatTimer), 0u);
  EXPECT_EQ(Selected(), std::string(30, '0')) << "the bar's clicks select nothing";

  const RECT pageDown = view_.scrollBar().PartRect(CCtrlScrollBar::kPageDown);
  view_.SendMessage(WM_LBUTTONDOWN, 0, At(x, pageDown.bottom - 2));
  view_.SendMessage(WM_LBUTTONUP, 0, At(x, pageDown.bottom - 2));
  EXPECT_EQ(view_.scrollPos(), 260) << "a page is the view's height";

  const RECT thumb = view_.scrollBar().PartRect(CCtrlScrollBar::kThumb);
  view_.SendMessage(WM_LBUTTONDOWN, 0, At(x, thumb.top + 1));
  view_.SendMessage(WM_MOUSEMOVE, 0, At(x, 1000));
  EXPECT_EQ(view_.scrollPos(), 680) << "the thumb dragged past the end stops at the end";
  view_.SendMessage(WM_MOUSEMOVE, 0, At(x, 0));
  EXPECT_EQ(view_.scrollPos(), 0);
  view_.SendMessage(WM_LBUTTONUP, 0, At(x, 0));
  win::SetTimerSourceForTest(nullptr);
}

}  // namespace
