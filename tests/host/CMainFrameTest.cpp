#include "host/CMainFrame.h"

#include <gtest/gtest.h>

#include "platform/win/WindowWidget.h"
#include "tests/support/AlbumFixture.h"

namespace {

constexpr RECT kRect{160, 0, 640, 480};

class MainFrameLifetime : public AlbumFixture {
 protected:
  void SetUp() override {
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
  }
  void TearDown() override {
    if (CMainFrame* frame = MainFrame()) frame->DestroyWindow();
    AlbumFixture::TearDown();
  }
};

// A frame whose panes cannot be made: it makes one child first, then fails, as a pane
// that cannot be created fails the frame's creation.
class FrameWithoutPanes : public CMainFrame {
 public:
  static inline int deleted = 0;
  static inline HWND pane = nullptr;
  ~FrameWithoutPanes() override { ++deleted; }

 protected:
  bool OnCreateClient() override {
    pane_.Create("pane", WS_CHILD, RECT{0, 0, 10, 10}, this);
    pane = &pane_;
    return false;
  }

 private:
  CWnd pane_;
};

// A frame that counts its deletions.
class CountedFrame : public CMainFrame {
 public:
  static inline int deleted = 0;
  ~CountedFrame() override { ++deleted; }
};

}  // namespace

TEST_F(MainFrameLifetime, TheHostDestroyingItsWindowFirstTakesTheFrameAndItsPointers) {
  CountedFrame::deleted = 0;
  CMainFrame* frame = CMainFrame::Install(std::make_unique<CountedFrame>(), &suite_.host, kRect);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(MainFrame(), frame);
  EXPECT_EQ(TheApp().mainWindow(), frame);
  suite_.host.DestroyWindow();
  EXPECT_EQ(CountedFrame::deleted, 1);
  EXPECT_EQ(MainFrame(), nullptr);
  EXPECT_EQ(TheApp().mainWindow(), nullptr);
  EXPECT_FALSE(IsWindow(frame));
}

TEST_F(MainFrameLifetime, TheToolkitDeletingTheHostsWidgetTakesTheFrameToo) {
  CountedFrame::deleted = 0;
  ASSERT_NE(CMainFrame::Install(std::make_unique<CountedFrame>(), &suite_.host, kRect), nullptr);
  delete suite_.host.widget();
  EXPECT_EQ(CountedFrame::deleted, 1);
  EXPECT_EQ(MainFrame(), nullptr);
  EXPECT_EQ(TheApp().mainWindow(), nullptr);
}

TEST_F(MainFrameLifetime, ClosingTheFrameItselfLetsGoOfIt) {
  CountedFrame::deleted = 0;
  CMainFrame* frame = CMainFrame::Install(std::make_unique<CountedFrame>(), &suite_.host, kRect);
  ASSERT_NE(frame, nullptr);
  SendMessage(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(CountedFrame::deleted, 1);
  EXPECT_EQ(MainFrame(), nullptr);
  EXPECT_TRUE(IsWindow(&suite_.host));
}

TEST_F(MainFrameLifetime, AFrameWhosePanesFailIsDeletedOnceWithWhatItMade) {
  FrameWithoutPanes::deleted = 0;
  EXPECT_EQ(CMainFrame::Install(std::make_unique<FrameWithoutPanes>(), &suite_.host, kRect),
            nullptr);
  EXPECT_EQ(FrameWithoutPanes::deleted, 1);
  EXPECT_FALSE(IsWindow(FrameWithoutPanes::pane));
  EXPECT_EQ(MainFrame(), nullptr);
  EXPECT_EQ(TheApp().mainWindow(), nullptr);
}

TEST_F(MainFrameLifetime, AFrameWithoutALiveParentIsDeletedOnce) {
  CountedFrame::deleted = 0;
  EXPECT_EQ(CMainFrame::Install(std::make_unique<CountedFrame>(), nullptr, kRect), nullptr);
  suite_.host.DestroyWindow();
  EXPECT_EQ(CMainFrame::Install(std::make_unique<CountedFrame>(), &suite_.host, kRect), nullptr);
  EXPECT_EQ(CountedFrame::deleted, 2);
  EXPECT_EQ(MainFrame(), nullptr);
}
