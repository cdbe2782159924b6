// The drop list: its items and choice, which choices its parent hears of, and its look in
// the scheme's colours before and after a scheme change.
#include "ui/CCtrlDropList.h"

#include <gtest/gtest.h>

#include "tests/ui/ToolkitFixture.h"

namespace {

constexpr UINT kFavourites = 0x7001;

class DropLists : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ASSERT_TRUE(list_.Create(RECT{10, 10, 160, 200}, &parent_, kFavourites));
  }
  void Fill() {
    EXPECT_EQ(list_.AddString(cp932::Lit("(はずす)"), 0), 0);
    EXPECT_EQ(list_.AddString(cp932::Lit("旅行"), 0x1), 1);
    EXPECT_EQ(list_.AddString(cp932::Lit("家族"), 0x4), 2);
  }
  size_t Told() const { return parent_.entries.size(); }

  CCtrlDropList list_;
};

TEST_F(DropLists, StartWithNoChoiceAndTellTheParentOnlyOfTheUsersChanges) {
  EXPECT_EQ(list_.GetWindowRect().bottom - list_.GetWindowRect().top, CComboBox::kClosedHeight);
  Fill();
  EXPECT_EQ(list_.GetCount(), 3);
  EXPECT_EQ(list_.GetCurSel(), CB_ERR) << "adding chooses nothing";
  EXPECT_EQ(list_.SetCurSel(1), 1);
  EXPECT_EQ(list_.GetItemData(list_.GetCurSel()), 0x1u);
  EXPECT_EQ(Told(), 0u) << "the program's choice";

  list_.SelectAsUser(2);
  ASSERT_EQ(Told(), 1u);
  EXPECT_EQ(parent_.entries[0].w, MAKEWPARAM(kFavourites, CBN_SELCHANGE));
  EXPECT_EQ(parent_.entries[0].l, reinterpret_cast<LPARAM>(&list_));
  EXPECT_EQ(list_.GetLBText(list_.GetCurSel()), cp932::Lit("家族"));
  EXPECT_EQ(list_.GetItemData(2), 0x4u);
  list_.SelectAsUser(2);
  EXPECT_EQ(Told(), 1u) << "the same item again changes nothing";

  EXPECT_EQ(list_.SetCurSel(5), CB_ERR);
  EXPECT_EQ(list_.GetCurSel(), CB_ERR);
  EXPECT_EQ(list_.GetItemData(5), static_cast<uintptr_t>(CB_ERR));
  list_.EnableWindow(false);
  list_.SelectAsUser(0);
  list_.ResetContent();
  EXPECT_EQ(list_.GetCount(), 0);
  EXPECT_EQ(Told(), 1u) << "disabled, then emptied";
}

TEST_F(DropLists, AreDrawnInTheSchemesColoursAndFollowASchemeChange) {
  Fill();
  list_.SetCurSel(0);
  for (int scheme : {1, 2}) {
    ApplySample(scheme);
    skin::SchemeApplied(skin::Draw(), &parent_);
    EXPECT_EQ(list_.skin().selectedBackground, Colour(skin::kSelect)) << scheme;
    const QImage picture = Picture(list_);
    EXPECT_EQ(At(picture, 0, 0), Colour(skin::kCtrlFrame)) << scheme;
    EXPECT_EQ(At(picture, 3, 3), Colour(skin::kCtrlBack)) << scheme;
    EXPECT_TRUE(HasColour([&](int x, int y) { return At(picture, x, y); }, RECT{4, 3, 60, 19},
                          Colour(skin::kCtrlFont)))
        << scheme;
  }
}

}  // namespace
