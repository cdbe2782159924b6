// A window handler of the album that throws: the message is answered with 0 and the
// suite's error record says what was thrown.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "tests/support/FakeHost.h"

namespace {

constexpr UINT kFailingMessage = WM_USER + 40;

class FailingWindow : public CWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override {
    if (message == kFailingMessage) throw std::runtime_error("no room for the thumbnail");
    return CWnd::WindowProc(message, w, l);
  }
};

TEST(HandlerFailureReport, AThrowingHandlerIsWrittenToTheSuitesErrorRecord) {
  FakeSuite suite;
  suite::SetContext(&suite.context);
  TheApp();
  FailingWindow window;
  ASSERT_TRUE(window.Create("w", 0, RECT{0, 0, 10, 10}, nullptr));
  EXPECT_EQ(window.SendMessage(kFailingMessage), 0);
  EXPECT_EQ(suite.error.code, suite::kErrorHandlerThrew);
  EXPECT_EQ(suite.error.module, suite::kAlbumModule);
  EXPECT_NE(std::string(suite.error.text).find("no room for the thumbnail"), std::string::npos)
      << suite.error.text;
  window.DestroyWindow();
  suite::SetContext(nullptr);
}

}  // namespace
