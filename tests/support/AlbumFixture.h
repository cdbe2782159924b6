// Puts the application object on a fresh data folder with a fake host, as the host's tree
// setting would, and takes it away again afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "platform/registry/Registry.h"
#include "platform/win/Dialog.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

class AlbumFixture : public testing::Test {
 protected:
  void SetUp() override {
    registry::ResetCache();
    dataRoot_ = temp_.path();
    usersFolder_ = temp_.file("Users");
    block_.hostWindow = &suite_.host;
    block_.frameRight = 600;
    block_.frameBottom = 400;
    block_.usersFolder = usersFolder_.c_str();
    block_.dataRoot = dataRoot_.c_str();
    block_.userName = user_.c_str();
    block_.suiteContext = &suite_.context;
    win::SetMessageBoxResponder([this](const win::MessageBoxRequest& r) {
      boxes_.push_back(r);
      return boxAnswer_;
    });
  }

  void TearDown() override {
    win::SetMessageBoxResponder(nullptr);
    win::SetDialogResponder(nullptr);
    suite::SetContext(nullptr);
  }

  // Initialises the application afresh from the block.
  bool Initialise() {
    CHarboPhotoApp& app = TheApp();
    if (app.tool() != nullptr) app.tool()->SetInitialised(false);
    return app.Initialise(suite::kAlbumModule, block_, 1) == 1;
  }

  TempDir temp_;
  FakeSuite suite_;
  std::string dataRoot_;
  std::string usersFolder_;
  std::string user_ = "taro";
  HostParameterBlock block_{};
  std::vector<win::MessageBoxRequest> boxes_;
  int boxAnswer_ = IDOK;
};
