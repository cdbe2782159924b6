// The owner-drawn list of entries: how the mouse, the wheel and the keys move its
// selection and its rows, and which colours of the scheme each row is painted in.
#include "ui/CIdxCtrl.h"

#include <gtest/gtest.h>

#include "platform/gdi/CDC.h"
#include "tests/ui/ToolkitFixture.h"

namespace {

constexpr int kWidth = 120;
constexpr int kRows = 3;
constexpr int kItems = 10;

class EntryList : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ASSERT_TRUE(list_.Create(&parent_, 7, RECT{0, 0, kWidth, kRows * CIdxCtrl::kItemHeight}));
    for (int i = 0; i < kItems; ++i) list_.AddItem("item " + std::to_string(i), 100 + i);
    list_.SetSelChangeHandler([this](int index) { chosen_.push_back(index); });
    list_.SetDoubleClickHandler([this](int index) { opened_.push_back(index); });
  }
  void Mouse(UINT message, int row) {
    list_.SendMessage(message, 0, MAKELPARAM(5, row * CIdxCtrl::kItemHeight + 5));
  }
  void Key(UINT key) { list_.SendMessage(WM_KEYDOWN, key, 1); }
  void Wheel(int delta) {
    list_.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<int16_t>(delta))));
  }
  // The background of a shown row, away from its text and the scroll mark.
  COLORREF RowBackground(int row) {
    auto dc = CDC::CreateMemory(kWidth, kRows * CIdxCtrl::kItemHeight, RGB(1, 2, 3));
    list_.Draw(*dc);
    return dc->GetPixel(kWidth - 8, row * CIdxCtrl::kItemHeight + 1);
  }

  CIdxCtrl list_;
  std::vector<int> chosen_;
  std::vector<int> opened_;
};

TEST_F(EntryList, MovesItsSelectionAndRowsWithMouseWheelAndKeys) {
  Key(0x28);  // Down, with nothing selected: the first item
  Mouse(WM_LBUTTONDOWN, 2);
  Mouse(WM_LBUTTONDOWN, 2);
  EXPECT_EQ(chosen_, (std::vector<int>{0, 2})) << "the same item again is no change";
  list_.SetCurSel(5);
  EXPECT_EQ(chosen_.size(), 2u) << "only the user's choices are told";
  EXPECT_EQ(list_.topIndex(), 3) << "the selection is scrolled into view";

  Wheel(120);
  EXPECT_EQ(list_.topIndex(), 0);
  Wheel(-60);
  Wheel(-60);
  EXPECT_EQ(list_.topIndex(), 3) << "two half notches make one";
  Wheel(-120 * 5);
  EXPECT_EQ(list_.topIndex(), kItems - kRows) << "the last row stays at the bottom";

  Key(0x24);  // Home
  EXPECT_EQ(list_.GetCurSel(), 0);
  EXPECT_EQ(list_.topIndex(), 0);
  Key(0x22);  // Page Down: what the list shows, less one row
  EXPECT_EQ(list_.GetCurSel(), kRows - 1);
  Key(0x23);  // End
  EXPECT_EQ(list_.GetCurSel(), kItems - 1);
  EXPECT_EQ(list_.topIndex(), kItems - kRows);
  Key(0x0D);  // Enter opens the selected item, as a double click does
  Mouse(WM_LBUTTONDBLCLK, 0);
  EXPECT_EQ(opened_, (std::vector<int>{kItems - 1, kItems - kRows}));
  Mouse(WM_LBUTTONDBLCLK, kRows + 2);
  EXPECT_EQ(opened_.size(), 2u) << "below the rows";
  EXPECT_EQ(list_.FindItem(104), 4);
  EXPECT_EQ(list_.GetItem(list_.GetCurSel())->state & CIdxCtrl::kStateSelected,
            CIdxCtrl::kStateSelected);
}

TEST_F(EntryList, PaintsSelectedAndHoveredRowsInTheSchemesColours) {
  for (int scheme : {1, 3}) {
    ApplySample(scheme);
    list_.SetCurSel(0);
    Mouse(WM_MOUSEMOVE, 1);
    EXPECT_EQ(list_.hoverIndex(), 1);
    EXPECT_EQ(RowBackground(0), Colour(skin::kSelect)) << scheme;
    EXPECT_EQ(RowBackground(1), Colour(skin::kMouseOver)) << scheme;
    EXPECT_EQ(RowBackground(2), Colour(skin::kCtrlBack)) << scheme;
    list_.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(RowBackground(1), Colour(skin::kCtrlBack)) << scheme;
  }
  EXPECT_NE(Colour(skin::kSelect), Colour(skin::kCtrlBack));
}

}  // namespace
