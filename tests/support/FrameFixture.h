// The album's frame on a fresh album of its own, driven as the host and a person would:
// commands through WM_COMMAND and their states through the update handlers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/CHarboPhotoApp.h"
#include "host/CMainFrame.h"
#include "library/CPhotoManager.h"
#include "platform/win/Dialog.h"
#include "platform/win/MessageMap.h"
#include "tests/support/AlbumFixture.h"

class FrameFixture : public AlbumFixture {
 protected:
  void SetUp() override {
    // Each test is its own user, so no test sees the settings another wrote.
    user_ = testing::UnitTest::GetInstance()->current_test_info()->name();
    AlbumFixture::SetUp();
    ASSERT_TRUE(Initialise());
    TheApp().OpenUserAlbum();
    album_ = TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder);
  }
  void TearDown() override {
    DestroyFrame();
    AlbumFixture::TearDown();
  }

  // Takes the frame away, if there is one, with no test's dialog responder left to answer
  // what its closing might ask.
  void DestroyFrame() {
    win::SetDialogResponder(nullptr);
    if (CMainFrame* frame = MainFrame()) frame->DestroyWindow();
  }

  CPhotoManager& Library() { return *TheApp().library(); }

  // The frame, made on first use over the library as it then stands.
  CMainFrame& Frame() {
    if (MainFrame() == nullptr) {
      Library().Recount();
      BeforeInstall();
      CMainFrame::Install(std::make_unique<CMainFrame>(), &suite_.host, frameRect_);
      AfterInstall();
    }
    return *MainFrame();
  }
  // What a suite's host does just before and just after it makes the frame.
  virtual void BeforeInstall() {}
  virtual void AfterInstall() {}

  void Command(UINT id) { Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  CCmdUI State(UINT id) {
    CCmdUI ui(id);
    Frame().OnCmdMsg(id, &ui);
    return ui;
  }

  RECT frameRect_{0, 0, 800, 600};
  std::string album_;
};
