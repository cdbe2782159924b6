#include "host/CMainFrame.h"

#include <gtest/gtest.h>

#include "platform/win/WindowWidget.h"
#include "tests/support/AlbumFixture.h"

namespace {

constexpr RECT kRect{160, 0, 640, 480};

// A frame that counts its deletions.
class CountedFrame : public CMainFrame {
 public:
  static inline int deleted = 0;
  ~CountedFrame() override { ++deleted; }
};

// A frame whose panes cannot be made: it makes one child first, then fails, as a pane
// that cannot be created fails the frame's creation.
class FrameWithoutPanes : public CountedFrame {
 public:
  static inline HWND pane = nullptr;

 protected:
  bool OnCreateClient() override {
    pane_.Create("pane", WS_CHILD, RECT{0, 0, 10, 10}, this);
    pane = &pane_;
    return false;
  }

 private:
  CWnd pane_;
};

class MainFrameLifetime : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    CountedFrame::deleted = 0;
  }
  void TearDown() override {
    if (CMainFrame* frame = MainFrame()) frame->DestroyWindow();
    AlbumFixture::TearDown();
  }
  template <class Frame = CountedFrame>
  CMainFrame* Install(CWnd* parent) {
    return CMainFrame::Install(std::make_unique<Frame>(), parent, kRect);
  }
  // The frame was deleted as often as made and neither the process nor the application
  // points at it any more.
  static void ExpectLetGo(int deletions = 1) {
    EXPECT_EQ(CountedFrame::deleted, deletions);
    EXPECT_EQ(MainFrame(), nullptr);
    EXPECT_EQ(TheApp().mainWindow(), nullptr);
  }
};

}  // namespace

TEST_F(MainFrameLifetime, TheHostDestroyingItsWindowFirstTakesTheFrameAndItsPointers) {
  CMainFrame* frame = Install(&suite_.host);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(MainFrame(), frame);
  EXPECT_EQ(TheApp().mainWindow(), frame);
  suite_.host.DestroyWindow();
  ExpectLetGo();
  EXPECT_FALSE(IsWindow(frame));
}

TEST_F(MainFrameLifetime, TheToolkitDeletingTheHostsWidgetTakesTheFrameToo) {
  ASSERT_NE(Install(&suite_.host), nullptr);
  delete suite_.host.widget();
  ExpectLetGo();
}

TEST_F(MainFrameLifetime, ClosingTheFrameItselfLetsGoOfIt) {
  CMainFrame* frame = Install(&suite_.host);
  ASSERT_NE(frame, nullptr);
  SendMessage(frame, WM_CLOSE, 0, 0);
  ExpectLetGo();
  EXPECT_TRUE(IsWindow(&suite_.host));
}

TEST_F(MainFrameLifetime, AFrameWhosePanesFailIsDeletedOnceWithWhatItMade) {
  EXPECT_EQ(Install<FrameWithoutPanes>(&suite_.host), nullptr);
  ExpectLetGo();
  EXPECT_FALSE(IsWindow(FrameWithoutPanes::pane));
}

TEST_F(MainFrameLifetime, AFrameWithoutALiveParentIsDeletedOnce) {
  EXPECT_EQ(Install(nullptr), nullptr);
  suite_.host.DestroyWindow();
  EXPECT_EQ(Install(&suite_.host), nullptr);
  ExpectLetGo(2);
}
