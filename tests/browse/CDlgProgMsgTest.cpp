#include <gtest/gtest.h>

#include "browse/CDlgProgMsg.h"
#include "platform/win/Controls.h"
#include "platform/win/ProgressCtrl.h"
#include "resources/DialogTemplates.h"
#include "tests/browse/ConfListFixture.h"

namespace {

constexpr UINT kPing = WM_USER + 1;

// A window that counts the pings that reach it.
class PingCounter : public CWnd {
 public:
  int pings = 0;
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == kPing) ++pings;
    return CWnd::WindowProc(message, w, l);
  }
};

class ProgressWindow : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner_.Create("owner", 0, RECT{0, 0, 640, 480}, nullptr));
    CDlgProgMsg::SetPositionProbeForTest([this](int p) { positions_.push_back(p); });
  }
  void TearDown() override { CDlgProgMsg::SetPositionProbeForTest(nullptr); }

  PingCounter owner_;
  std::vector<int> positions_;
};

}  // namespace

TEST_F(ProgressWindow, IsShownAtOnceWithItsTextAndBar) {
  CDlgProgMsg progress;
  ASSERT_EQ(progress.Create(&owner_), 1);
  EXPECT_TRUE(progress.IsWindowVisible());
  EXPECT_EQ(progress.Create(&owner_), 0);
  progress.SetRange(0, 300);
  progress.SetPos(128);
  progress.SetText(cp932::Lit("確認中です。"));
  auto* bar = Child<CProgressCtrl>(progress, res::kControlProgBar);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->upper(), 300);
  EXPECT_EQ(bar->GetPos(), 128);
  EXPECT_EQ(Child<CStatic>(progress, res::kControlProgText)->GetWindowText(),
            cp932::Lit("確認中です。"));
  EXPECT_EQ(positions_, std::vector<int>{128});
  progress.Destroy();
  EXPECT_FALSE(IsWindow(&progress));
}

TEST_F(ProgressWindow, WithoutItsControlsPumpsPendingMessagesOnceAndShowsNothing) {
  CDlgProgMsg never;
  CWnd gone;
  ASSERT_TRUE(gone.Create("gone", 0, RECT{0, 0, 10, 10}, nullptr));
  gone.DestroyWindow();
  EXPECT_EQ(never.Create(&gone), 0);
  owner_.PostMessage(kPing);
  never.SetPos(5);
  EXPECT_EQ(owner_.pings, 1);
  owner_.PostMessage(kPing);
  never.SetText("x");
  EXPECT_EQ(owner_.pings, 2);
  never.SetRange(0, 9);  // no pumping, nothing to set
  EXPECT_TRUE(positions_.empty());

  // With its controls in place nothing is pumped.
  CDlgProgMsg made;
  ASSERT_EQ(made.Create(&owner_), 1);
  owner_.PostMessage(kPing);
  made.SetPos(1);
  made.SetText("y");
  EXPECT_EQ(owner_.pings, 2);
  EXPECT_EQ(positions_, std::vector<int>{1});
  PumpMessages();
  EXPECT_EQ(owner_.pings, 3);
}
